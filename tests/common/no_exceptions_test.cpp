// Windows build: the C++ library's failures are run-time errors, as the program's own are.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(NoExceptionsDeathTest, TheLibrarysFailuresAreRunTimeErrors) {
  EXPECT_EXIT((void)std::string("abc").at(3), testing::ExitedWithCode(1),
              "^Velmora: basic_string::at");
  EXPECT_EXIT(std::vector<int>().reserve(SIZE_MAX / 2), testing::ExitedWithCode(1),
              "^Velmora: vector::reserve\n$");
  EXPECT_EXIT(std::function<void()>()(), testing::ExitedWithCode(1),
              "^Velmora: call of an empty function\n$");
  EXPECT_EXIT(::operator delete(::operator new(SIZE_MAX / 2)), testing::ExitedWithCode(1),
              "^Velmora: out of memory\n$");
}

TEST(NoExceptionsTest, MemoryIsStillGivenAndTakenBack) {
  std::vector<std::string> texts(1000, std::string(100, 'x'));
  EXPECT_EQ(texts[999].size(), 100u);
  void* empty = ::operator new(0);  // a distinct pointer even for no bytes
  EXPECT_NE(empty, nullptr);
  ::operator delete(empty);
}

}  // namespace
}  // namespace velmora
