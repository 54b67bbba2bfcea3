#pragma once

#include <string_view>

namespace velmora {

/// Tells the user of a fault the program cannot go on from, such as an index outside its
/// range, then ends the program with exit status 1. Nothing catches it and nothing after it
/// runs: no handler, no destructor of a program in a state it was never meant to reach.
[[noreturn]] void RunTimeError(std::string_view message);

/// How a run-time error reaches the user. Standard error unless set: the window system puts
/// it in a message box, where a program started from the desktop has nowhere else to say it.
using RunTimeErrorReporter = void (*)(std::string_view message);
void SetRunTimeErrorReporter(RunTimeErrorReporter reporter);

/// The reporter used unless one is set: "Velmora: " and the message, a line on standard error.
void ReportOnStandardError(std::string_view message);

}  // namespace velmora
