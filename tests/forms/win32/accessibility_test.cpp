// What a screen reader gets through MSAA, and that it can ask anything safely.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: oleacc.h needs its types.
#include <oleacc.h>

#include <string>

#include "forms/win32/text.h"
#include "tests/forms/win32/win32_form_fixture.h"

namespace velmora {
namespace {

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

}  // namespace
}  // namespace velmora
