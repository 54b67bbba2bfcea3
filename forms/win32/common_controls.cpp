#include "forms/win32/common_controls.h"

#include "common/run_time_error.h"
#include "forms/win32/system_library.h"

namespace velmora::forms::win32 {

const CommonControls& CommonControlsLibrary() {
  static const CommonControls functions = [] {
    // By name, not by path: the manifest's activation context turns the name into the
    // side-by-side version 6.
    const HMODULE library = LoadLibraryW(L"comctl32.dll");
    const auto init =
        LibraryFunction<decltype(&InitCommonControlsEx)>(library, "InitCommonControlsEx");
    const CommonControls found{
        LibraryFunction<decltype(&SetWindowSubclass)>(library, "SetWindowSubclass"),
        LibraryFunction<decltype(&RemoveWindowSubclass)>(library, "RemoveWindowSubclass"),
        LibraryFunction<decltype(&DefSubclassProc)>(library, "DefSubclassProc")};
    if (!init || !found.set_window_subclass || !found.remove_window_subclass ||
        !found.def_subclass_proc) {
      RunTimeError("comctl32.dll cannot be loaded");
    }
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    init(&classes);
    return found;
  }();
  return functions;
}

}  // namespace velmora::forms::win32
