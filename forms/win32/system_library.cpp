#include "forms/win32/system_library.h"

namespace velmora::forms::win32 {

namespace {

// Not in every SDK's headers, as it came with an update of Windows 7.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// DLLs that Windows itself loads by name once the program runs and that are not KnownDLLs,
// which always come from the system folder: the first window loads the theme engine, which
// loads the others in turn as it needs them. Not every loader keeps those later loads to the
// system folder (old Windows, and Wine, look beside the program first for a DLL's own
// imports), so they are loaded from there ahead of time, and a later load by name finds them
// loaded and looks nowhere.
constexpr const wchar_t* kLoadedByNameLater[] = {L"uxtheme.dll", L"dwmapi.dll", L"msimg32.dll",
                                                 L"version.dll"};

// Runs before anything else of the program, its static constructors included: every DLL that
// the program or Windows on its behalf loads by name from then on comes from the system folder.
// Velmora.exe imports only KnownDLLs, which never come from beside the program; comctl32 and
// oleacc it loads itself, after this. (It comes into the program with LoadSystemLibrary,
// which the screen readers' wrapper calls; the DLL planting test fails without it.)
[[gnu::constructor(101)]] void LoadLibrariesFromSystemFolderOnly() {
  // Windows 8 on, and Windows 7 and Vista with the update that brought it. Older Windows take
  // the current folder out of the search, but still look beside the program first.
  const auto set_default =
      SystemFunction<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (!set_default || !set_default(kLoadLibrarySearchSystem32)) {
    if (const auto set_directory =
            SystemFunction<BOOL(WINAPI*)(LPCWSTR)>(L"kernel32.dll", "SetDllDirectoryW")) {
      set_directory(L"");
    }
  }
  for (const wchar_t* name : kLoadedByNameLater) LoadSystemLibrary(name);
}

}  // namespace

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  if (folder == 0 || folder + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
  path[folder] = L'\\';
  lstrcpyW(path + folder + 1, name);
  // By its full path, and the DLLs it needs in turn are looked for in the system folder first
  // rather than beside the program.
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace velmora::forms::win32
