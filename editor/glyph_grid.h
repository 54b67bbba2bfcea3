#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/color_value.h"

namespace velmora {

constexpr int kColumnCount = 8;
constexpr int kPinCount = 8;
constexpr int kCellCount = kColumnCount * kPinCount;
constexpr int kPaletteSize = 48;

/// Cell index = 8 x column + pin; column 0 is leftmost, pin 0 the bottom row.
constexpr int ColumnOf(int cell) {
  return cell / kPinCount;
}
constexpr int PinOf(int cell) {
  return cell % kPinCount;
}
constexpr int CellAt(int column, int pin) {
  return column * kPinCount + pin;
}
/// The bottom pin weighs 1, the top one 128.
constexpr int WeightOf(int pin) {
  return 1 << pin;
}

/// The 48 ink colours, six rows of eight as the palette shows them.
constexpr std::array<ColorValue, kPaletteSize> kInkPalette = {
    0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF,  //
    0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF,  //
    0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,  //
    0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0,  //
    0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080,  //
    0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040,  //
};

/// The sample character painted at start-up, one value per column, column 0 first.
constexpr std::array<std::int16_t, kColumnCount> kInitialGlyph = {255, 0,   0,   255,
                                                                  136, 136, 136, 112};

/// Told of every change of a GlyphGrid, so that a window can show it at once.
/// Only real changes are reported: writing a value a field already holds is silent.
class GlyphListener {
 public:
  virtual ~GlyphListener() = default;
  virtual void CellColorChanged(int cell, ColorValue color) = 0;
  virtual void CellTooltipChanged(int cell, const std::string& tooltip) = 0;
  virtual void ValueBoxChanged(int column, const std::string& text) = 0;
  virtual void InkColorChanged(ColorValue color) = 0;
};

/// The character being designed: 64 cell colours with their tooltips, the eight value-box
/// texts, and the paper and ink colours. A cell is on exactly when its colour equals InkColor.
///
/// Every index is checked: one outside its range is a run-time error, naming the argument
/// and its range, raised before anything changes.
class GlyphGrid {
 public:
  /// Every cell white with tooltip "0", every value box "0", paper white, ink black.
  GlyphGrid();

  void SetListener(GlyphListener* listener) { listener_ = listener; }

  ColorValue CellColor(int cell) const;
  const std::string& CellTooltip(int cell) const;
  const std::string& ValueBoxText(int column) const;
  ColorValue InkColor() const { return ink_color_; }
  ColorValue PaperColor() const { return paper_color_; }
  bool IsCellOn(int cell) const { return CellColor(cell) == ink_color_; }
  static ColorValue PaletteColor(int index);

  void SetCellColor(int cell, ColorValue color);
  void SetCellTooltip(int cell, std::string tooltip);
  void SetValueBoxText(int column, std::string text);
  void SetInkColor(ColorValue color);
  void SetPaperColor(ColorValue color);

 private:
  std::array<ColorValue, kCellCount> cell_colors_;
  std::array<std::string, kCellCount> cell_tooltips_;
  std::array<std::string, kColumnCount> value_boxes_;
  ColorValue paper_color_ = kWhite;
  ColorValue ink_color_ = kBlack;
  GlyphListener* listener_ = nullptr;
};

/// A run-time error unless first <= value <= last; `what` names the argument.
void CheckIndex(const char* what, int value, int first, int last);

}  // namespace velmora
