#pragma once

#include <string>
#include <string_view>

namespace velmora::forms::win32 {

/// The program's UTF-8 texts as the UTF-16 the wide Win32 functions take, and back.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace velmora::forms::win32
