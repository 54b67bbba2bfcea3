#include "editor/glyph_grid.h"

#include <string>
#include <utility>

#include "common/run_time_error.h"

namespace velmora {

namespace {

void CheckCell(int cell) {
  CheckIndex("cell index", cell, 0, kCellCount - 1);
}
void CheckColumn(int column) {
  CheckIndex("value box index", column, 0, kColumnCount - 1);
}

}  // namespace

void CheckIndex(const char* what, int value, int first, int last) {
  if (value < first || value > last) {
    RunTimeError(std::string(what) + " " + std::to_string(value) + " is outside " +
                 std::to_string(first) + ".." + std::to_string(last));
  }
}

GlyphGrid::GlyphGrid() {
  cell_colors_.fill(kWhite);
  cell_tooltips_.fill("0");
  value_boxes_.fill("0");
}

ColorValue GlyphGrid::CellColor(int cell) const {
  CheckCell(cell);
  return cell_colors_[cell];
}

const std::string& GlyphGrid::CellTooltip(int cell) const {
  CheckCell(cell);
  return cell_tooltips_[cell];
}

const std::string& GlyphGrid::ValueBoxText(int column) const {
  CheckColumn(column);
  return value_boxes_[column];
}

ColorValue GlyphGrid::PaletteColor(int index) {
  CheckIndex("palette index", index, 0, kPaletteSize - 1);
  return kInkPalette[index];
}

void GlyphGrid::SetCellColor(int cell, ColorValue color) {
  CheckCell(cell);
  if (cell_colors_[cell] == color) return;
  cell_colors_[cell] = color;
  if (listener_) listener_->CellColorChanged(cell, color);
}

void GlyphGrid::SetCellTooltip(int cell, std::string tooltip) {
  CheckCell(cell);
  if (cell_tooltips_[cell] == tooltip) return;
  cell_tooltips_[cell] = std::move(tooltip);
  if (listener_) listener_->CellTooltipChanged(cell, cell_tooltips_[cell]);
}

void GlyphGrid::SetValueBoxText(int column, std::string text) {
  CheckColumn(column);
  if (value_boxes_[column] == text) return;
  value_boxes_[column] = std::move(text);
  if (listener_) listener_->ValueBoxChanged(column, value_boxes_[column]);
}

void GlyphGrid::SetInkColor(ColorValue color) {
  if (ink_color_ == color) return;
  ink_color_ = color;
  if (listener_) listener_->InkColorChanged(color);
}

void GlyphGrid::SetPaperColor(ColorValue color) {
  paper_color_ = color;  // shown only as the colour of the cells that are off
}

}  // namespace velmora
