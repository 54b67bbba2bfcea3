#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "editor/glyph_grid.h"
#include "forms/form.h"

namespace velmora {

/// The program's only window: the palette, the 8 x 8 matrix, the column values, the clear
/// button, the assignment text and the hidden note. It owns the GlyphGrid, turns clicks
/// into editing operations and shows every change of the grid as it happens.
class MainWindow : private GlyphListener {
 public:
  static constexpr std::string_view kCaption = "www.velmora.example.com Velmora";

  /// Creates every control on `form`, routes their clicks and loads the start-up character;
  /// the caller then shows the form.
  explicit MainWindow(forms::Form& form);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  const GlyphGrid& grid() const { return grid_; }

 private:
  void CellColorChanged(int cell, ColorValue color) override;
  void CellTooltipChanged(int cell, const std::string& tooltip) override;
  void ValueBoxChanged(int column, const std::string& text) override;
  void InkColorChanged(ColorValue color) override;
  // Screen readers tell which cells are on, which palette entry is the ink, and what each
  // cell and the clear button mean for the column values; each click ends with this, so
  // that they hear the outcome once.
  void TellScreenReaders();

  forms::Form& form_;
  GlyphGrid grid_;
  bool states_pending_ = false;  // the ink has changed since the states were last told
  std::array<forms::Control*, kPaletteSize> palette_{};
  std::array<forms::Control*, kCellCount> cells_{};
  std::array<forms::Control*, kColumnCount> value_boxes_{};
  forms::Control* clear_button_ = nullptr;
};

/// Every control of the window in creation order (later ones in front), the cells and
/// value boxes as `grid` holds them.
std::vector<forms::ControlRow> MainWindowLayout(const GlyphGrid& grid);

}  // namespace velmora
