#pragma once

#include <string>

namespace velmora {

/// The school assignment the program answers, as Text1(0) holds it: every line followed by CR LF,
/// the last one too.
std::string AssignmentText();

}  // namespace velmora
