#pragma once

#include <array>
#include <string>
#include <tuple>

#include "editor/glyph_grid.h"

namespace velmora {

/// Everything a GlyphGrid shows, copied out so that two states can be compared whole.
struct GridSnapshot {
  std::array<ColorValue, kCellCount> colors{};
  std::array<std::string, kCellCount> tooltips;
  std::array<std::string, kColumnCount> value_boxes;
  ColorValue ink = 0;
  ColorValue paper = 0;

  explicit GridSnapshot(const GlyphGrid& grid) : ink(grid.InkColor()), paper(grid.PaperColor()) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      colors[cell] = grid.CellColor(cell);
      tooltips[cell] = grid.CellTooltip(cell);
    }
    for (int column = 0; column < kColumnCount; ++column) {
      value_boxes[column] = grid.ValueBoxText(column);
    }
  }
  bool operator==(const GridSnapshot& other) const {
    return std::tie(colors, tooltips, value_boxes, ink, paper) ==
           std::tie(other.colors, other.tooltips, other.value_boxes, other.ink, other.paper);
  }
};

}  // namespace velmora
