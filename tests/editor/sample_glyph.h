#pragma once

#include <array>
#include <string>

#include "editor/glyph_grid.h"

namespace velmora {

/// The character the window starts with, as a person sees it: the top row (pin 7) first,
/// column 0 on the left; 'X' is a cell that is on.
inline constexpr const char* kSamplePicture[kPinCount] = {
    "X..XXXX.",  // pin 7
    "X..X...X",  // pin 6
    "X..X...X",  // pin 5
    "X..X...X",  // pin 4
    "X..XXXX.",  // pin 3
    "X..X....",  // pin 2
    "X..X....",  // pin 1
    "X..X....",  // pin 0
};

/// Whether the cell at `column`, `pin` of the start-up character is on.
constexpr bool IsSampleCellOn(int column, int pin) {
  return kSamplePicture[kPinCount - 1 - pin][column] == 'X';
}

/// The start-up character's column values, К1 to К8, as the value boxes show them.
inline const std::array<std::string, kColumnCount> kSampleValues = {"255", "0",   "0",   "255",
                                                                    "136", "136", "136", "112"};

}  // namespace velmora
