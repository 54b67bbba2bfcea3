#pragma once

#include <windows.h>

namespace velmora::forms::win32 {

/// Loads one of Windows' own DLLs by its full path in the system folder, never by name: a
/// DLL of that name beside Velmora.exe (in a Downloads folder, say) must not be run. Null
/// where it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

/// A function of `library`, looked up by its name; null where the library has none (or is
/// null).
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
             : nullptr;
}

/// A function of a DLL already loaded (kernel32, user32), looked up at run time so that the
/// program starts on Windows that lack it; null where this Windows has none.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  return LibraryFunction<Function>(GetModuleHandleW(library), name);
}

}  // namespace velmora::forms::win32
