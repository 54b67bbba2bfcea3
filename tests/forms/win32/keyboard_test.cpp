// The keyboard on the Win32 window: the arrows, Return, disabled buttons, the text boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/forms/win32/win32_form_fixture.h"

namespace velmora {
namespace {

TEST_F(Win32FormTest, ArrowKeysMoveByPlaceWithinTheirArray) {
  // The same moves as in the Qt window; -1: the focus stays.
  struct Move {
    const char* array;
    int from;
    WPARAM key;
    int to;
  };
  const Move moves[] = {
      {"Command1", 9, VK_RIGHT, 10}, {"Command1", 10, VK_LEFT, 9},   {"Command1", 10, VK_DOWN, 18},
      {"Command1", 18, VK_UP, 10},   {"Command1", 7, VK_RIGHT, -1},  {"Command1", 47, VK_DOWN, -1},
      {"Command1", 3, VK_UP, -1},    {"Command1", 40, VK_LEFT, -1},  {"Command1", 2, VK_LEFT, 1},
      {"Command1", 1, VK_LEFT, 16},  {"Command1", 16, VK_UP, 9},     {"Command1", 9, VK_LEFT, 16},
      {"Command2", 0, VK_UP, 1},     {"Command2", 7, VK_UP, -1},     {"Command2", 8, VK_DOWN, -1},
      {"Command2", 13, VK_DOWN, 12}, {"Command2", 3, VK_RIGHT, 11},  {"Command2", 59, VK_LEFT, 51},
      {"Command2", 2, VK_LEFT, -1},  {"Command2", 63, VK_RIGHT, -1},
  };
  for (const Move& move : moves) {
    SCOPED_TRACE(std::string(move.array) + "(" + std::to_string(move.from) + ") key " +
                 std::to_string(move.key));
    SetFocus(Window(move.array, move.from));
    Key(move.key);
    EXPECT_EQ(GetFocus(), Window(move.array, move.to < 0 ? move.from : move.to));
  }
  EXPECT_EQ(ValueBox(0), "255") << "no arrow clicks";
}

TEST_F(Win32FormTest, ReturnClicksOncePerPress) {
  SetFocus(Window("Command2", 0));
  Key(VK_RETURN);
  EXPECT_EQ(ValueBox(0), "254");
  for (int repeat = 0; repeat < 5; ++repeat) Key(VK_RETURN, true);  // held down
  EXPECT_EQ(ValueBox(0), "254");
  Key(VK_RETURN);
  EXPECT_EQ(ValueBox(0), "255");
}

TEST_F(Win32FormTest, DisabledButtonsTakeNoClickFromAnywhere) {
  // Light grey and white take no focus; a BM_CLICK, as automation tools and screen readers
  // send, changes the ink no more than a mouse click does.
  for (int entry : {0, 8}) {
    SendMessageW(Window("Command1", entry), BM_CLICK, 0, 0);
    EXPECT_EQ(window_.grid().InkColor(), kBlack) << "palette entry " << entry;
  }
  SendMessageW(Window("Command1", 17), BM_CLICK, 0, 0);
  EXPECT_EQ(window_.grid().InkColor(), Rgb(255, 0, 0));
}

TEST_F(Win32FormTest, TabbingIntoATextBoxKeepsItsPlaceAndSelectsNothing) {
  HWND assignment = Window("Text1", 0);
  SetFocus(Window("Command1", 47));
  Key(VK_TAB);
  ASSERT_EQ(GetFocus(), assignment);
  DWORD start = 1, end = 1;
  SendMessageW(assignment, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "selected";
  EXPECT_EQ(SendMessageW(assignment, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Window("Command2", 0));
  EXPECT_EQ(SendMessageW(assignment, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // Nor does a value box: a screen reader reads its number whole, not as a selection.
  SetFocus(Window("Command2", 63));
  Key(VK_TAB);
  ASSERT_EQ(GetFocus(), Window("Text2", 0));
  SendMessageW(Window("Text2", 0), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "selected";
}

}  // namespace
}  // namespace velmora
