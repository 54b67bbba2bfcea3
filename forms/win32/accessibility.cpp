#include "forms/win32/accessibility.h"

#include <oleacc.h>

#include "forms/win32/common_controls.h"
#include "forms/win32/system_library.h"

namespace velmora::forms::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x5641;  // "VA"
// The control behind a window, kept with the window until it is destroyed.
constexpr wchar_t kControlProperty[] = L"VelmoraAccessibleControl";

// The control behind `window`, while the window lives.
const AccessibleControl* ControlOf(HWND window) {
  return IsWindow(window)
             ? static_cast<const AccessibleControl*>(GetPropW(window, kControlProperty))
             : nullptr;
}

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

template <typename... Pointers>
bool AnyNull(Pointers*... pointers) {
  return ((pointers == nullptr) || ...);
}

// The system's object for a control, with the name, description, role, state and default
// action the control gives. It keeps the window, not the control: a screen reader may hold it
// after the window is gone, and then it says so. It is one COM object: every interface it
// hands out is its own (IUnknown, IDispatch, IAccessible, and IOleWindow, by which a screen
// reader finds its window), and every out-pointer is checked before anything is asked.
class ControlAccessible final : public IAccessible, public IOleWindow {
 public:
  ControlAccessible(IAccessible* standard, HWND window) : standard_(standard), window_(window) {
    standard_->AddRef();
  }
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) ||
        IsEqualIID(iid, __uuidof(IAccessible))) {
      *object = static_cast<IAccessible*>(this);
    } else if (IsEqualIID(iid, __uuidof(IOleWindow))) {
      *object = static_cast<IOleWindow*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return AnyNull(count) ? E_POINTER : standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return AnyNull(info) ? E_POINTER : standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return AnyNull(names, ids) ? E_POINTER
                               : standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong) override {
    if (!parameters) return E_POINTER;
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
  }

  // IAccessible: the answers of the control's own...
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Text(child, name, &AccessibleControl::AccessibleName, &IAccessible::get_accName);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Text(child, description, &AccessibleControl::AccessibleDescription,
                &IAccessible::get_accDescription);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    const AccessibleControl* control = ControlOf(window_);
    if (!control) return RPC_E_DISCONNECTED;
    if (!control->Role()) return standard_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = control->Role();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    const HRESULT result = standard_->get_accState(child, state);
    if (FAILED(result) || !IsSelf(child) || state->vt != VT_I4) return result;
    const AccessibleControl* control = ControlOf(window_);
    if (!control) return RPC_E_DISCONNECTED;
    state->lVal &= ~STATE_SYSTEM_CHECKED;
    if (control->Checked()) state->lVal |= STATE_SYSTEM_CHECKED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!action) return E_POINTER;
    const AccessibleControl* control = ControlOf(window_);
    if (!IsSelf(child) || !control || !control->DefaultAction()) {
      return standard_->get_accDefaultAction(child, action);
    }
    *action = SysAllocString(control->DefaultAction());
    return *action ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const AccessibleControl* control = ControlOf(window_);
    if (!IsSelf(child) || !control || !control->DefaultAction()) {
      return standard_->accDoDefaultAction(child);
    }
    if (!IsWindowEnabled(window_)) return E_FAIL;
    // Posted, so that the screen reader does not wait for what the click does.
    return PostMessageW(window_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    const AccessibleControl* control = ControlOf(window_);
    if (!IsSelf(child) || !control || !control->TakesValue()) return DISP_E_MEMBERNOTFOUND;
    return standard_->put_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }

  // ...and the rest as the system's object answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return AnyNull(parent) ? E_POINTER : standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return AnyNull(count) ? E_POINTER : standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return AnyNull(object) ? E_POINTER : standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return AnyNull(value) ? E_POINTER : standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return AnyNull(help) ? E_POINTER : standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return AnyNull(file, topic) ? E_POINTER : standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return AnyNull(shortcut) ? E_POINTER : standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return AnyNull(child) ? E_POINTER : standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return AnyNull(children) ? E_POINTER : standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return AnyNull(left, top, width, height)
               ? E_POINTER
               : standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return AnyNull(end) ? E_POINTER : standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return AnyNull(child) ? E_POINTER : standard_->accHitTest(left, top, child);
  }

 private:
  ~ControlAccessible() { standard_->Release(); }

  using Own = std::wstring (AccessibleControl::*)() const;
  using Standard = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  HRESULT Text(VARIANT child, BSTR* text, Own own, Standard standard) {
    if (!text) return E_POINTER;
    if (!IsSelf(child)) return (standard_->*standard)(child, text);
    const AccessibleControl* control = ControlOf(window_);
    if (!control) return RPC_E_DISCONNECTED;
    const std::wstring said = (control->*own)();
    if (said.empty()) return (standard_->*standard)(child, text);
    *text = SysAllocStringLen(said.data(), static_cast<UINT>(said.size()));
    return *text ? S_OK : E_OUTOFMEMORY;
  }

  IAccessible* standard_;
  HWND window_;
  LONG references_ = 1;
};

// What the wrapper needs of oleacc, which is no KnownDLL: it is loaded from the system folder
// when a screen reader first asks, not imported, since an imported DLL would be looked for
// beside the program first. Without it the controls answer as Windows' own do.
struct Oleacc {
  decltype(&CreateStdAccessibleObject) create_standard_object;
  decltype(&LresultFromObject) lresult_from_object;
};

const Oleacc* OleaccFunctions() {
  static const Oleacc functions = [] {
    const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    return Oleacc{
        LibraryFunction<decltype(&CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject"),
        LibraryFunction<decltype(&LresultFromObject)>(oleacc, "LresultFromObject")};
  }();
  return functions.create_standard_object && functions.lresult_from_object ? &functions : nullptr;
}

LRESULT CALLBACK AnswerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                            DWORD_PTR) {
  const bool asked =
      message == WM_GETOBJECT && static_cast<DWORD>(lparam) == static_cast<DWORD>(OBJID_CLIENT);
  if (const Oleacc* oleacc = asked ? OleaccFunctions() : nullptr) {
    IAccessible* standard = nullptr;
    if (SUCCEEDED(oleacc->create_standard_object(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard)))) {
      auto* answer = new ControlAccessible(standard, window);
      standard->Release();
      const LRESULT result = oleacc->lresult_from_object(__uuidof(IAccessible), wparam,
                                                         static_cast<IAccessible*>(answer));
      answer->Release();
      return result;
    }
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kControlProperty);
    CommonControlsLibrary().remove_window_subclass(window, AnswerProc, kSubclassId);
  }
  return CommonControlsLibrary().def_subclass_proc(window, message, wparam, lparam);
}

}  // namespace

void AnswerScreenReaders(HWND window, const AccessibleControl* control) {
  SetPropW(window, kControlProperty, const_cast<AccessibleControl*>(control));
  CommonControlsLibrary().set_window_subclass(window, AnswerProc, kSubclassId, 0);
}

void NotifyStateChanged(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void NotifyDescriptionChanged(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace velmora::forms::win32
