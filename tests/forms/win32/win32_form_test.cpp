// The main window on the Win32 backend, driven through real windows and messages (under
// Wine here, in an X server).
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <string>

#include "common/run_time_error.h"
#include "forms/application.h"
#include "forms/win32/failure.h"
#include "forms/win32/text.h"
#include "forms/win32/win32_form.h"
#include "window/main_window.h"

namespace velmora {
namespace {

class Win32FormTest : public ::testing::Test {
 protected:
  void SetUp() override { form_.Show(); }

  HWND Window(const char* array, int index) const {
    const forms::win32::Win32Control* control = form_.Find(array, index);
    if (!control) ADD_FAILURE() << array << "(" << index << ") does not exist";
    return control ? control->window() : nullptr;
  }
  std::string ValueBox(int column) const {
    char text[16] = {};
    GetWindowTextA(Window("Text2", column), text, sizeof text);
    return text;
  }
  // A key as the message loop gets it, first to the backend's keys, then the dialog manager.
  void Key(WPARAM key, bool repeated = false) {
    MSG message{GetFocus(), WM_KEYDOWN, key, repeated ? LPARAM{1} << 30 : 1, 0, {}};
    if (!forms::win32::HandleButtonKey(message)) IsDialogMessageW(form_.window(), &message);
  }

  forms::win32::Win32Form form_;
  MainWindow window_{form_};
};

TEST_F(Win32FormTest, ArrowKeysMoveByPlaceWithinTheirArray) {
  // The same moves as in the Qt window; -1: the focus stays.
  struct Move {
    const char* array;
    int from;
    WPARAM key;
    int to;
  };
  const Move moves[] = {
      {"Command1", 9, VK_RIGHT, 10}, {"Command1", 10, VK_LEFT, 9},   {"Command1", 10, VK_DOWN, 18},
      {"Command1", 18, VK_UP, 10},   {"Command1", 7, VK_RIGHT, -1},  {"Command1", 47, VK_DOWN, -1},
      {"Command1", 3, VK_UP, -1},    {"Command1", 40, VK_LEFT, -1},  {"Command1", 2, VK_LEFT, 1},
      {"Command1", 1, VK_LEFT, 16},  {"Command1", 16, VK_UP, 9},     {"Command1", 9, VK_LEFT, 16},
      {"Command2", 0, VK_UP, 1},     {"Command2", 7, VK_UP, -1},     {"Command2", 8, VK_DOWN, -1},
      {"Command2", 13, VK_DOWN, 12}, {"Command2", 3, VK_RIGHT, 11},  {"Command2", 59, VK_LEFT, 51},
      {"Command2", 2, VK_LEFT, -1},  {"Command2", 63, VK_RIGHT, -1},
  };
  for (const Move& move : moves) {
    SCOPED_TRACE(std::string(move.array) + "(" + std::to_string(move.from) + ") key " +
                 std::to_string(move.key));
    SetFocus(Window(move.array, move.from));
    Key(move.key);
    EXPECT_EQ(GetFocus(), Window(move.array, move.to < 0 ? move.from : move.to));
  }
  EXPECT_EQ(ValueBox(0), "255") << "no arrow clicks";
}

TEST_F(Win32FormTest, ReturnClicksOncePerPress) {
  SetFocus(Window("Command2", 0));
  Key(VK_RETURN);
  EXPECT_EQ(ValueBox(0), "254");
  for (int repeat = 0; repeat < 5; ++repeat) Key(VK_RETURN, true);  // held down
  EXPECT_EQ(ValueBox(0), "254");
  Key(VK_RETURN);
  EXPECT_EQ(ValueBox(0), "255");
}

TEST_F(Win32FormTest, DisabledButtonsTakeNoClickFromAnywhere) {
  // Light grey and white take no focus; a BM_CLICK, as automation tools and screen readers
  // send, changes the ink no more than a mouse click does.
  for (int entry : {0, 8}) {
    SendMessageW(Window("Command1", entry), BM_CLICK, 0, 0);
    EXPECT_EQ(window_.grid().InkColor(), kBlack) << "palette entry " << entry;
  }
  SendMessageW(Window("Command1", 17), BM_CLICK, 0, 0);
  EXPECT_EQ(window_.grid().InkColor(), Rgb(255, 0, 0));
}

TEST_F(Win32FormTest, TabbingIntoATextBoxKeepsItsPlaceAndSelectsNothing) {
  HWND assignment = Window("Text1", 0);
  SetFocus(Window("Command1", 47));
  Key(VK_TAB);
  ASSERT_EQ(GetFocus(), assignment);
  DWORD start = 1, end = 1;
  SendMessageW(assignment, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "selected";
  EXPECT_EQ(SendMessageW(assignment, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Window("Command2", 0));
  EXPECT_EQ(SendMessageW(assignment, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // Nor does a value box: a screen reader reads its number whole, not as a selection.
  SetFocus(Window("Command2", 63));
  Key(VK_TAB);
  ASSERT_EQ(GetFocus(), Window("Text2", 0));
  SendMessageW(Window("Text2", 0), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "selected";
}

// What a screen reader gets through MSAA: the object the window hands out for WM_GETOBJECT.
class Accessible {
 public:
  explicit Accessible(HWND window) {
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object_));
  }
  ~Accessible() {
    if (object_) object_->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;
  bool exists() const { return object_ != nullptr; }
  std::string Name() const { return Text(&IAccessible::get_accName); }
  std::string Description() const { return Text(&IAccessible::get_accDescription); }
  long Role() const { return Number(&IAccessible::get_accRole); }
  bool Checked() const { return Number(&IAccessible::get_accState) & STATE_SYSTEM_CHECKED; }

 private:
  static VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
  }
  std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
    BSTR text = nullptr;
    if (!object_ || FAILED((object_->*get)(Self(), &text)) || !text) return {};
    const std::string narrow = forms::win32::Narrow(text);
    SysFreeString(text);
    return narrow;
  }
  long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
    VARIANT value;
    VariantInit(&value);
    if (!object_ || FAILED((object_->*get)(Self(), &value)) || value.vt != VT_I4) return -1;
    return value.lVal;
  }
  IAccessible* object_ = nullptr;
};

TEST_F(Win32FormTest, ScreenReadersAreToldNamesDescriptionsAndStates) {
  CoInitialize(nullptr);
  // Every control: the name the layout gives it (or its caption), its tooltip as description.
  int named = 0, described = 0, controls = 0;
  for (const forms::ControlRow& row : MainWindowLayout(window_.grid())) {
    const std::string array(row.array);
    SCOPED_TRACE(array + "(" + std::to_string(row.index) + ")");
    const Accessible control(Window(array.c_str(), row.index));
    ASSERT_TRUE(control.exists());
    ++controls;
    const std::string name = row.accessible_name.empty() ? row.text : row.accessible_name;
    if (!name.empty()) {
      EXPECT_EQ(control.Name(), name);
    }
    const std::string description =
        row.accessible_description.empty() ? row.tool_tip : row.accessible_description;
    if (!description.empty()) {
      EXPECT_EQ(control.Description(), description);
    }
    named += !control.Name().empty();
    described += !control.Description().empty();
  }
  std::printf("%d controls: %d named, %d described\n", controls, named, described);
  EXPECT_EQ(Accessible(Window("Text2", 0)).Name(), "Сума на колона К1");
  EXPECT_EQ(Accessible(Window("Text1", 0)).Name(), "Задание");
  EXPECT_EQ(Accessible(Window("Label2", 25)).Description(), "Великденско яйце");
  EXPECT_EQ(Accessible(Window("Label1", 1)).Name(), "Изберете цвят");

  // A cell: a check box, checked while on; its description tells its weight and its column's
  // value, told anew after a click.
  HWND cell = Window("Command2", 3);
  EXPECT_EQ(Accessible(cell).Role(), ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_EQ(Accessible(cell).Name(), "Клетка: колона 1, ред 4");
  EXPECT_EQ(Accessible(cell).Description(), "Тегло 8. Сума на колона К1: 255");
  EXPECT_TRUE(Accessible(cell).Checked());
  SendMessageW(cell, BM_CLICK, 0, 0);
  EXPECT_EQ(Accessible(cell).Description(), "Тегло 0. Сума на колона К1: 247");
  EXPECT_EQ(Accessible(Window("Command2", 0)).Description(), "Тегло 1. Сума на колона К1: 247");
  EXPECT_FALSE(Accessible(cell).Checked());
  EXPECT_EQ(Accessible(Window("Command3", 0)).Role(), ROLE_SYSTEM_PUSHBUTTON);
  // The palette entry of the ink is the checked one.
  EXPECT_TRUE(Accessible(Window("Command1", 40)).Checked());
  SendMessageW(Window("Command1", 17), BM_CLICK, 0, 0);
  EXPECT_TRUE(Accessible(Window("Command1", 17)).Checked());
  EXPECT_FALSE(Accessible(Window("Command1", 40)).Checked());
  CoUninitialize();
}

// Runs what the window's messages ask, such as a posted click.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The object a screen reader gets for `window`, to be released.
IAccessible* ObjectOf(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
  return object;
}

// A screen reader may call anything with anything: null out-pointers are refused, the read-only
// boxes take no value, the graphical buttons are pressed by their default action (but not a
// disabled one), and every interface handed out is of the one object.
TEST_F(Win32FormTest, MsaaTakesEveryCallSafely) {
  CoInitialize(nullptr);
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  for (const char* array : {"Command2", "Command3", "Text2", "Text1", "Label2"}) {
    SCOPED_TRACE(array);
    IAccessible* object = ObjectOf(Window(array, 0));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->get_accName(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accValue(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accDescription(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accRole(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accState(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accHelp(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accHelpTopic(nullptr, self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accKeyboardShortcut(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accDefaultAction(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accParent(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accChildCount(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accChild(self, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accFocus(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accSelection(nullptr), E_POINTER);
    EXPECT_EQ(object->accLocation(nullptr, nullptr, nullptr, nullptr, self), E_POINTER);
    VARIANT none;
    VariantInit(&none);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, self, nullptr), E_POINTER);
    EXPECT_EQ(object->accHitTest(0, 0, nullptr), E_POINTER);
    EXPECT_EQ(object->QueryInterface(__uuidof(IAccessible), nullptr), E_POINTER);
    EXPECT_EQ(object->GetTypeInfoCount(nullptr), E_POINTER);
    // One object: what any of its interfaces calls IUnknown is the same pointer.
    IUnknown* identity = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    // The library's IIDs: the compilers of Debian 12 fail on a __uuidof of these in this file
    // beside the program's own.
    const IID asked[] = {IID_IOleWindow, IID_IEnumVARIANT, IID_IServiceProvider, IID_IDispatch};
    for (const IID& iid : asked) {
      IUnknown* other = nullptr;
      if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&other)))) continue;
      IUnknown* its_identity = nullptr;
      other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&its_identity));
      EXPECT_EQ(its_identity, identity);
      IAccessible* back = nullptr;
      if (SUCCEEDED(
              other->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&back)))) {
        EXPECT_EQ(back, object) << "the way back leads to the same object";
        back->Release();
      }
      if (its_identity) its_identity->Release();
      other->Release();
    }
    IOleWindow* ole_window = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole_window)), S_OK);
    HWND found = nullptr;
    EXPECT_EQ(ole_window->GetWindow(&found), S_OK);
    EXPECT_EQ(found, Window(array, 0));
    ole_window->Release();
    identity->Release();
    object->Release();
  }

  // The read-only boxes take no value from a screen reader.
  for (const char* array : {"Text2", "Text1"}) {
    HWND box = Window(array, 0);
    const int length = GetWindowTextLengthW(box);
    IAccessible* object = ObjectOf(box);
    BSTR value = SysAllocString(L"4242");
    EXPECT_TRUE(FAILED(object->put_accValue(self, value))) << array;
    SysFreeString(value);
    EXPECT_EQ(GetWindowTextLengthW(box), length) << array;
    object->Release();
  }
  EXPECT_EQ(ValueBox(0), "255");

  // The default action, by its name: a cell toggles, its column's value and its description
  // follow; the clear button is pressed.
  const auto do_default_action = [&](const char* array, int index, const char* name) {
    IAccessible* object = ObjectOf(Window(array, index));
    BSTR action = nullptr;
    ASSERT_EQ(object->get_accDefaultAction(self, &action), S_OK);
    EXPECT_EQ(forms::win32::Narrow(action), name);
    SysFreeString(action);
    EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
    Pump();
    object->Release();
  };
  do_default_action("Command2", 63, "Toggle");
  EXPECT_EQ(ValueBox(7), "240");
  EXPECT_EQ(Accessible(Window("Command2", 63)).Description(), "Тегло 128. Сума на колона К8: 240");
  EXPECT_TRUE(Accessible(Window("Command2", 63)).Checked());
  do_default_action("Command3", 0, "Press");
  EXPECT_EQ(ValueBox(0), "0");
  EXPECT_EQ(Accessible(Window("Command3", 0)).Description(), "Всички колони са 0");
  IAccessible* grey = ObjectOf(Window("Command1", 8));  // disabled: light grey is no ink
  EXPECT_TRUE(FAILED(grey->accDoDefaultAction(self)));
  Pump();
  EXPECT_FALSE(Accessible(Window("Command1", 8)).Checked());
  EXPECT_TRUE(Accessible(Window("Command1", 40)).Checked()) << "the ink is still black";
  grey->Release();
  CoUninitialize();
}

// Window makers that refuse windows of one class, as a system out of resources would.
template <const wchar_t* kRefused>
HWND WINAPI Refusing(DWORD ex_style, LPCWSTR window_class, LPCWSTR text, DWORD style, int left,
                     int top, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  const bool named = HIWORD(reinterpret_cast<ULONG_PTR>(window_class)) != 0;
  if (named && lstrcmpiW(window_class, kRefused) == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return CreateWindowExW(ex_style, window_class, text, style, left, top, width, height, parent,
                         menu, instance, param);
}
constexpr wchar_t kFormClass[] = L"VelmoraForm";
constexpr wchar_t kEditClass[] = L"Edit";

// Copies the text of the first message box titled "Velmora" to standard error, then presses
// its OK button.
DWORD WINAPI ReadAndCloseMessageBox(void*) {
  for (int tries = 0; tries < 200; ++tries, Sleep(50)) {
    HWND box = FindWindowW(L"#32770", L"Velmora");
    if (!box) continue;
    constexpr int kMessageText = 0xFFFF;  // the box's static text
    wchar_t text[256] = {};
    GetDlgItemTextW(box, kMessageText, text, 256);
    std::fprintf(stderr, "box: %s\n", forms::win32::Narrow(text).c_str());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  return 1;
}

TEST(Win32FailureDeathTest, AWindowThatCannotBeMadeEndsTheProgramWithStatusOne) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  EXPECT_EXIT(
      {
        forms::win32::SetWindowMakerForTesting(Refusing<kFormClass>);
        forms::win32::Win32Form form;
      },
      ::testing::ExitedWithCode(1),
      "Velmora не може да отвори прозореца си: прозорецът не може да бъде създаден");
  EXPECT_EXIT(
      {
        forms::win32::SetWindowMakerForTesting(Refusing<kEditClass>);
        forms::win32::Win32Form form;
        MainWindow window(form);
      },
      ::testing::ExitedWithCode(1), "елемент на прозореца не може да бъде създаден");
}

// With the program's Application, a run-time error is told in a message box, as a program
// started from the desktop has no console.
TEST(Win32FailureDeathTest, ARunTimeErrorIsToldInAMessageBox) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  EXPECT_EXIT(
      {
        forms::Application application({});
        CloseHandle(CreateThread(nullptr, 0, ReadAndCloseMessageBox, nullptr, 0, nullptr));
        RunTimeError("cell index 64 is outside 0..63");
      },
      ::testing::ExitedWithCode(1), "box: cell index 64 is outside 0\\.\\.63");
}

}  // namespace
}  // namespace velmora
