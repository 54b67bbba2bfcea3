#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

/// The school assignment the program answers, line by line; trailing blanks belong to the lines.
extern const std::array<std::string_view, 28> kAssignmentLines;

/// The assignment as Text1(0) holds it: every line followed by CR LF, the last one too.
std::string AssignmentText();

}  // namespace velmora
