#include "common/run_time_error.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace velmora {
namespace {

void ReportBetweenBrackets(std::string_view message) {
  std::fprintf(stderr, "[%.*s]\n", static_cast<int>(message.size()), message.data());
}

void ReportAndFailAgain(std::string_view message) {
  ReportBetweenBrackets(message);
  RunTimeError("while reporting");
}

TEST(RunTimeErrorDeathTest, ReportsOnceAndEndsWithStatusOne) {
  EXPECT_EXIT(RunTimeError("cell index 64"), testing::ExitedWithCode(1),
              "^Velmora: cell index 64\n$");
  EXPECT_EXIT(
      {
        SetRunTimeErrorReporter(ReportBetweenBrackets);
        RunTimeError("palette index 48");
      },
      testing::ExitedWithCode(1), "^\\[palette index 48\\]\n$");
  // A report that fails in turn still ends the program, with the first report only.
  EXPECT_EXIT(
      {
        SetRunTimeErrorReporter(ReportAndFailAgain);
        RunTimeError("first");
      },
      testing::ExitedWithCode(1), "^\\[first\\]\n$");
  // Unset, the report goes to standard error again.
  EXPECT_EXIT(
      {
        SetRunTimeErrorReporter(ReportBetweenBrackets);
        SetRunTimeErrorReporter(nullptr);
        RunTimeError("again");
      },
      testing::ExitedWithCode(1), "^Velmora: again\n$");
}

}  // namespace
}  // namespace velmora
