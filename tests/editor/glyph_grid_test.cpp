#include "editor/glyph_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/grid_snapshot.h"
#include "tests/editor/palette_rgb.h"

namespace velmora {
namespace {

TEST(ColorValueTest, RedIsTheLowestByte) {
  EXPECT_EQ(Rgb(255, 192, 192), 0x00C0C0FFu);
  EXPECT_EQ(Rgb(255, 128, 0), 0x000080FFu);
  EXPECT_EQ(Rgb(128, 128, 255), 0x00FF8080u);
  EXPECT_EQ(Rgb(0, 0, 0), 0u);
  EXPECT_EQ(Rgb(255, 255, 255), 0x00FFFFFFu);
  const ColorValue mixed = Rgb(1, 2, 3);
  EXPECT_EQ(mixed, 0x00030201u);
  EXPECT_EQ(RedOf(mixed), 1);
  EXPECT_EQ(GreenOf(mixed), 2);
  EXPECT_EQ(BlueOf(mixed), 3);
}

TEST(GlyphGridTest, PaletteHoldsTheTabulatedColours) {
  for (int k = 0; k < kPaletteSize; ++k) {
    const ColorValue color = GlyphGrid::PaletteColor(k);
    EXPECT_EQ(RedOf(color), kPaletteRgb[k].r) << "palette entry " << k;
    EXPECT_EQ(GreenOf(color), kPaletteRgb[k].g) << "palette entry " << k;
    EXPECT_EQ(BlueOf(color), kPaletteRgb[k].b) << "palette entry " << k;
    EXPECT_EQ(color >> 24, 0u) << "palette entry " << k;
  }
  EXPECT_EQ(GlyphGrid::PaletteColor(0), GlyphGrid().PaperColor());
  EXPECT_EQ(GlyphGrid::PaletteColor(40), GlyphGrid().InkColor());
}

TEST(GlyphGridTest, CellIndexArithmetic) {
  struct Case {
    int cell, column, pin, weight;
  };
  for (const Case& c : {Case{0, 0, 0, 1}, Case{7, 0, 7, 128}, Case{56, 7, 0, 1},
                        Case{63, 7, 7, 128}, Case{29, 3, 5, 32}}) {
    EXPECT_EQ(ColumnOf(c.cell), c.column) << "cell " << c.cell;
    EXPECT_EQ(PinOf(c.cell), c.pin) << "cell " << c.cell;
    EXPECT_EQ(WeightOf(PinOf(c.cell)), c.weight) << "cell " << c.cell;
    EXPECT_EQ(CellAt(c.column, c.pin), c.cell) << "cell " << c.cell;
  }
}

TEST(GlyphGridTest, OnMeansTheInkColour) {
  GlyphGrid grid;
  EXPECT_FALSE(grid.IsCellOn(5));
  grid.SetCellColor(5, kBlack);
  EXPECT_TRUE(grid.IsCellOn(5));
  grid.SetInkColor(Rgb(255, 0, 0));
  EXPECT_FALSE(grid.IsCellOn(5));
}

// An index outside its range ends the program with a run-time error that names the index
// and its range: nothing catches it and goes on with a grid it was never meant to hold.
TEST(GlyphGridDeathTest, BadIndexesAreRunTimeErrors) {
  GlyphGrid grid;
  const auto expect_range_error = [](const auto& call, const std::string& message) {
    EXPECT_EXIT(call(), testing::ExitedWithCode(1), message) << message;
  };
  for (int cell : {-1, 64, 32767, -32768}) {
    const std::string message = "cell index " + std::to_string(cell) + " is outside 0\\.\\.63";
    expect_range_error([&] { grid.SetCellColor(cell, kBlack); }, message);
    expect_range_error([&] { grid.SetCellTooltip(cell, "1"); }, message);
    expect_range_error([&] { (void)grid.CellColor(cell); }, message);
    expect_range_error([&] { (void)grid.CellTooltip(cell); }, message);
  }
  for (int column : {-1, 8}) {
    const std::string message =
        "value box index " + std::to_string(column) + " is outside 0\\.\\.7";
    expect_range_error([&] { grid.SetValueBoxText(column, "1"); }, message);
    expect_range_error([&] { (void)grid.ValueBoxText(column); }, message);
  }
  for (int entry : {-1, 48}) {
    expect_range_error([&] { (void)GlyphGrid::PaletteColor(entry); },
                       "palette index " + std::to_string(entry) + " is outside 0\\.\\.47");
  }
}

struct RecordingListener : GlyphListener {
  std::vector<std::string> events;
  void CellColorChanged(int cell, ColorValue color) override {
    events.push_back("color " + std::to_string(cell) + " " + std::to_string(color));
  }
  void CellTooltipChanged(int cell, const std::string& text) override {
    events.push_back("tooltip " + std::to_string(cell) + " " + text);
  }
  void ValueBoxChanged(int column, const std::string& text) override {
    events.push_back("box " + std::to_string(column) + " " + text);
  }
  void InkColorChanged(ColorValue color) override {
    events.push_back("ink " + std::to_string(color));
  }
};

TEST(GlyphGridTest, ListenerHearsEachRealChangeOnce) {
  GlyphGrid grid;
  RecordingListener listener;
  grid.SetListener(&listener);
  grid.SetCellColor(3, 255);
  grid.SetCellColor(3, 255);
  grid.SetCellTooltip(3, "8");
  grid.SetCellTooltip(3, "8");
  grid.SetValueBoxText(0, "8");
  grid.SetInkColor(255);
  grid.SetInkColor(255);
  EXPECT_EQ(listener.events,
            (std::vector<std::string>{"color 3 255", "tooltip 3 8", "box 0 8", "ink 255"}));
}

}  // namespace
}  // namespace velmora
