#include "common/run_time_error.h"

#include <cstdio>
#include <cstdlib>

#ifdef VELMORA_COVERAGE
extern "C" void __gcov_dump();
#endif

namespace velmora {

namespace {

RunTimeErrorReporter reporter = ReportOnStandardError;

}  // namespace

void ReportOnStandardError(std::string_view message) {
  // No printf: on Windows its formatting code would outweigh the rest of the program.
  std::fputs("Velmora: ", stderr);
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
}

void SetRunTimeErrorReporter(RunTimeErrorReporter new_reporter) {
  reporter = new_reporter ? new_reporter : ReportOnStandardError;
}

void RunTimeError(std::string_view message) {
  // A reporter that fails in turn (a message box out of memory, say) must not report forever.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    reporter(message);
  }
  std::fflush(stderr);
#ifdef VELMORA_COVERAGE
  __gcov_dump();
#endif
  std::_Exit(1);
}

}  // namespace velmora
