#pragma once

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

namespace velmora::forms::win32 {

/// What the forms layer uses of comctl32, version 6 as the program's manifest binds it: its
/// subclassing. Its controls' classes (tooltips, themed buttons) are registered as it loads.
/// comctl32 is no KnownDLL: imported, it would be loaded, and would load the theme engine, as
/// the process starts, before the program could keep DLL loads to the system folder. Loaded
/// by name afterwards, it is the side-by-side copy, and what it loads comes from the system.
struct CommonControls {
  decltype(&SetWindowSubclass) set_window_subclass;
  decltype(&RemoveWindowSubclass) remove_window_subclass;
  decltype(&DefSubclassProc) def_subclass_proc;
};

/// comctl32's functions, loaded with its classes registered on first use; without them the
/// program cannot go on, and a run-time error says so.
const CommonControls& CommonControlsLibrary();

}  // namespace velmora::forms::win32
