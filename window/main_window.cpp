#include "window/main_window.h"

#include <array>
#include <span>
#include <string>
#include <utility>

#include "editor/editing.h"
#include "window/assignment_text.h"
#include "window/hidden_note.h"

namespace velmora {

namespace {

using forms::Alignment;
using forms::ControlKind;
using forms::ControlRow;

// The control arrays, each named by its kind and number.
constexpr std::string_view kLabel1 = "Label1";      // the title and the palette's prompt
constexpr std::string_view kCommand1 = "Command1";  // the palette
constexpr std::string_view kCommand2 = "Command2";  // the matrix
constexpr std::string_view kCommand3 = "Command3";  // the clear button
constexpr std::string_view kLabel2 = "Label2";      // captions, and the hidden note's hotspot
constexpr std::string_view kText1 = "Text1";        // the assignment, and an unused box
constexpr std::string_view kText2 = "Text2";        // the value boxes

constexpr ColorValue kWindowColor = Rgb(128, 128, 255);
constexpr ColorValue kLightOrange = Rgb(255, 192, 128);
constexpr ColorValue kOrange = Rgb(255, 128, 0);
constexpr ColorValue kClearButtonColor = Rgb(255, 0, 0);
constexpr forms::Twips kClientWidth = 8310;
constexpr forms::Twips kClientHeight = 6150;

const forms::Font kWindowFont{"Times New Roman", 12, 400, 204};
const forms::Font kPaletteFont{"MS Sans Serif", 8.25, 400, 204};

// Row captions left of the matrix, by pin.
constexpr std::string_view kRowCaptions[kPinCount] = {
    "Ред 1:  * 1", "Ред 2:  * 2", "Ред 3:  * 4", "Ред 4:  * 8",
    "Ред 5:  *16", "Ред 6:  *32", "Ред 7:  *64", "Ред 8:  *128",
};

// Palette entries that cannot be chosen: 0 is the paper colour, and choosing it as ink
// would wipe the picture; 8 (light grey) is disabled by design.
constexpr bool IsPaletteEntryEnabled(int k) {
  return k != 0 && k != 8;
}

std::string PaletteName(ColorValue color) {
  return "Цвят на мастилото: червено " + std::to_string(RedOf(color)) + ", зелено " +
         std::to_string(GreenOf(color)) + ", синьо " + std::to_string(BlueOf(color));
}

std::string CellName(int cell) {
  return "Клетка: колона " + std::to_string(ColumnOf(cell) + 1) + ", ред " +
         std::to_string(PinOf(cell) + 1);
}

// A screen reader hears, beside a cell's state, what the screen shows of it: its tooltip
// (its pin's weight while it is on) and the value box of its column, so that a toggle tells
// the column's new value without the user leaving the cell.
std::string CellDescription(const GlyphGrid& grid, int cell) {
  const int column = ColumnOf(cell);
  return "Тегло " + grid.CellTooltip(cell) + ". Сума на колона К" + std::to_string(column + 1) +
         ": " + grid.ValueBoxText(column);
}

// The clear button tells the values it would clear, and that all columns are 0 once cleared.
std::string ClearButtonDescription(const GlyphGrid& grid) {
  std::string values;
  bool all_zero = true;
  for (int c = 0; c < kColumnCount; ++c) {
    if (c > 0) values += ", ";
    values += grid.ValueBoxText(c);
    all_zero = all_zero && grid.ValueBoxText(c) == "0";
  }
  return all_zero ? "Всички колони са 0" : "Суми на колоните: " + values;
}

}  // namespace

// clang-format off
std::vector<ControlRow> MainWindowLayout(const GlyphGrid& grid) {
  using enum ControlKind;
  std::vector<ControlRow> rows;
  rows.push_back({.array = kLabel1, .index = 0, .kind = kLabel,
                  .left = 1680, .top = 0, .width = 5055, .height = 375,
                  .back_color = kLightOrange, .text = "Velmora"});
  rows.push_back({.array = kLabel1, .index = 1, .kind = kLabel,
                  .left = 240, .top = 600, .width = 1695, .height = 255,
                  .back_color = kLightOrange, .text = "Изберете цвят"});
  for (int k = 0; k < kPaletteSize; ++k) {
    rows.push_back({.array = kCommand1, .index = k, .kind = kGraphicalButton,
                    .left = 120 + 240 * (k % 8), .top = 960 + 240 * (k / 8), .width = 255, .height = 255,
                    .back_color = GlyphGrid::PaletteColor(k), .font = &kPaletteFont,
                    .enabled = IsPaletteEntryEnabled(k), .checkable = true,
                    .checked = GlyphGrid::PaletteColor(k) == grid.InkColor(),
                    .accessible_name = PaletteName(GlyphGrid::PaletteColor(k))});
  }
  rows.push_back({.array = kCommand3, .index = 0, .kind = kGraphicalButton,
                  .left = 480, .top = 2760, .width = 1215, .height = 495,
                  .back_color = kClearButtonColor, .text = "Изчисти",
                  .accessible_description = ClearButtonDescription(grid)});
  for (int c = 0; c < kColumnCount; ++c) {
    rows.push_back({.array = kLabel2, .index = 8 + c, .kind = kLabel,
                    .left = 3600 + 360 * c, .top = 480, .width = 255, .height = 255,
                    .back_color = kLightOrange, .text = std::to_string(c + 1)});
  }
  for (int p = 0; p < kPinCount; ++p) {
    rows.push_back({.array = kLabel2, .index = p, .kind = kLabel,
                    .left = 2160, .top = 840 + 360 * (7 - p), .width = 1335, .height = 255,
                    .back_color = kOrange, .text = std::string(kRowCaptions[p]),
                    .alignment = Alignment::kLeft});
  }
  for (int i = 0; i < kCellCount; ++i) {
    rows.push_back({.array = kCommand2, .index = i, .kind = kGraphicalButton,
                    .left = 3600 + 360 * ColumnOf(i), .top = 840 + 360 * (7 - PinOf(i)), .width = 255, .height = 285,
                    .back_color = grid.CellColor(i), .checkable = true, .checked = grid.IsCellOn(i),
                    .tool_tip = grid.CellTooltip(i),
                    .accessible_name = CellName(i), .accessible_description = CellDescription(grid, i)});
  }
  rows.push_back({.array = kLabel2, .index = 16, .kind = kLabel,
                  .left = 6480, .top = 480, .width = 1695, .height = 255,
                  .back_color = kLightOrange, .text = "Сума по колони"});
  for (int c = 0; c < kColumnCount; ++c) {
    const bool tall = c < 2 || c > 5;
    rows.push_back({.array = kLabel2, .index = 17 + c, .kind = kLabel,
                    .left = 6720, .top = 840 + 360 * c, .width = 615, .height = tall ? 315 : 285,
                    .back_color = kLightOrange, .text = "К" + std::to_string(c + 1)});
  }
  for (int c = 0; c < kColumnCount; ++c) {
    rows.push_back({.array = kText2, .index = c, .kind = kTextBox,
                    .left = 7320, .top = 840 + 360 * c, .width = 855, .height = 315,
                    .text = grid.ValueBoxText(c), .read_only = true,
                    .accessible_name = "Сума на колона К" + std::to_string(c + 1)});
  }
  rows.push_back({.array = kText1, .index = 0, .kind = kTextBox,
                  .left = 120, .top = 3840, .width = 8055, .height = 2175,
                  .text = AssignmentText(), .multi_line = true, .read_only = true,
                  .accessible_name = "Задание"});
  rows.push_back({.array = kText1, .index = 1, .kind = kTextBox,
                  .left = 1320, .top = 4440, .width = 7815, .height = 1455,
                  .multi_line = true, .visible = false});
  rows.push_back({.array = kLabel2, .index = kHiddenNoteHotspot, .kind = kLabel,
                  .left = 0, .top = 0, .width = 135, .height = 135,
                  .back_color = kWindowColor, .tool_tip = "Великденско яйце",
                  .accessible_name = "Великденско яйце"});
  return rows;
}
// clang-format on

MainWindow::MainWindow(forms::Form& form) : form_(form) {
  form.SetCaption(kCaption);
  form.SetClientSize(kClientWidth, kClientHeight);
  form.SetBackColor(kWindowColor);
  form.SetFont(kWindowFont);
  form.SetIcon("velmora");
  // The controls the window refers to again, filed by array and index as they are made, in
  // the keyboard's order through the window.
  std::array<forms::Control*, 2> text1{};
  const std::pair<std::string_view, std::span<forms::Control*>> filed[] = {
      {kCommand1, palette_},
      {kText1, text1},
      {kCommand2, cells_},
      {kText2, value_boxes_},
      {kCommand3, {&clear_button_, 1}},
  };
  for (const ControlRow& row : MainWindowLayout(grid_)) {
    forms::Control& control = form.AddControl(row);
    for (const auto& [array, controls] : filed) {
      if (array == row.array) controls[row.index] = &control;
    }
  }

  form.OnClick(kCommand1, [this](int k) {
    SelectInk(grid_, k);
    TellScreenReaders();
  });
  form.OnClick(kCommand2, [this](int i) {
    ToggleCell(grid_, i);
    TellScreenReaders();
  });
  form.OnClick(kCommand3, [this](int) {
    ClearGlyph(grid_);
    TellScreenReaders();
  });
  form.OnClick(kLabel2, [this](int n) { ShowHiddenNote(form_, n); });

  // Hidden and disabled controls are skipped.
  std::vector<forms::Control*> tab_order;
  for (const auto& [array, controls] : filed) {
    tab_order.insert(tab_order.end(), controls.begin(), controls.end());
  }
  form.SetTabOrder(tab_order);

  grid_.SetListener(this);
  LoadWindow(grid_);  // the listener shows every change
  TellScreenReaders();
}

MainWindow::~MainWindow() {
  grid_.SetListener(nullptr);
}

void MainWindow::CellColorChanged(int cell, ColorValue color) {
  cells_[cell]->SetBackColor(color);
  cells_[cell]->SetChecked(grid_.IsCellOn(cell));
}

// A new ink can switch cells on or off without changing their colour (white ink makes every
// white cell count as on), so the states are told again, but only once the operation is
// done: told at once, every cell that is on would read off until it is repainted in the new
// ink, and a screen reader would announce each of them twice.
void MainWindow::InkColorChanged(ColorValue) {
  states_pending_ = true;
}

void MainWindow::TellScreenReaders() {
  if (states_pending_) {
    states_pending_ = false;
    for (int i = 0; i < kCellCount; ++i) cells_[i]->SetChecked(grid_.IsCellOn(i));
    for (int k = 0; k < kPaletteSize; ++k) {
      palette_[k]->SetChecked(GlyphGrid::PaletteColor(k) == grid_.InkColor());
    }
  }
  // Only the descriptions that changed are told.
  for (int i = 0; i < kCellCount; ++i) {
    cells_[i]->SetAccessibleDescription(CellDescription(grid_, i));
  }
  clear_button_->SetAccessibleDescription(ClearButtonDescription(grid_));
}

void MainWindow::CellTooltipChanged(int cell, const std::string& tooltip) {
  cells_[cell]->SetToolTip(tooltip);
}

void MainWindow::ValueBoxChanged(int column, const std::string& text) {
  value_boxes_[column]->SetText(text);
}

}  // namespace velmora
