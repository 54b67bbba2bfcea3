#include "editor/editing.h"

#include <string>

namespace velmora {

namespace {

void SwitchOn(GlyphGrid& grid, int cell, ColorValue ink) {
  grid.SetCellColor(cell, ink);
  grid.SetCellTooltip(cell, std::to_string(WeightOf(PinOf(cell))));
}

}  // namespace

void LoadWindow(GlyphGrid& grid) {
  grid.SetPaperColor(kWhite);
  ClearGlyph(grid);
  grid.SetInkColor(kBlack);
  for (int column = 0; column < kColumnCount; ++column) {
    int remaining = kInitialGlyph[column];
    grid.SetValueBoxText(column, std::to_string(remaining));
    for (int pin = kPinCount - 1; pin >= 0; --pin) {
      if (remaining >= WeightOf(pin)) {
        remaining -= WeightOf(pin);
        SwitchOn(grid, CellAt(column, pin), kBlack);
      }
    }
  }
}

void ToggleCell(GlyphGrid& grid, int index) {
  CheckIndex("cell index", index, 0, kCellCount - 1);
  if (grid.IsCellOn(index)) {
    grid.SetCellColor(index, grid.PaperColor());
    grid.SetCellTooltip(index, "0");
  } else {
    SwitchOn(grid, index, grid.InkColor());
  }
  RecomputeColumns(grid);
}

void RecomputeColumns(GlyphGrid& grid) {
  for (int column = 0; column < kColumnCount; ++column) {
    int sum = 0;
    for (int pin = 0; pin < kPinCount; ++pin) {
      if (grid.IsCellOn(CellAt(column, pin))) sum += WeightOf(pin);
    }
    grid.SetValueBoxText(column, std::to_string(sum));
  }
}

void SelectInk(GlyphGrid& grid, int index) {
  const ColorValue ink = GlyphGrid::PaletteColor(index);
  if (ink == grid.PaperColor()) return;
  grid.SetInkColor(ink);
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (grid.CellColor(cell) != grid.PaperColor()) grid.SetCellColor(cell, ink);
  }
}

void ClearGlyph(GlyphGrid& grid) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    grid.SetCellColor(cell, grid.PaperColor());
    grid.SetCellTooltip(cell, "0");
  }
  for (int column = 0; column < kColumnCount; ++column) grid.SetValueBoxText(column, "0");
}

}  // namespace velmora
