#include "forms/win32/common_controls.h"

#include "common/run_time_error.h"

namespace velmora::forms::win32 {

namespace {

template <typename Function>
bool Find(HMODULE library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return *function != nullptr;
}

}  // namespace

const CommonControls& CommonControlsLibrary() {
  static const CommonControls functions = [] {
    // By name, not by path: the manifest's activation context turns the name into the
    // side-by-side version 6.
    const HMODULE library = LoadLibraryW(L"comctl32.dll");
    decltype(&InitCommonControlsEx) init = nullptr;
    CommonControls found{};
    if (!library || !Find(library, "InitCommonControlsEx", &init) ||
        !Find(library, "SetWindowSubclass", &found.set_window_subclass) ||
        !Find(library, "RemoveWindowSubclass", &found.remove_window_subclass) ||
        !Find(library, "DefSubclassProc", &found.def_subclass_proc)) {
      RunTimeError("comctl32.dll cannot be loaded");
    }
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    init(&classes);
    return found;
  }();
  return functions;
}

}  // namespace velmora::forms::win32
