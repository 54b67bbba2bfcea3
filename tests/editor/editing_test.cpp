#include "editor/editing.h"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <random>
#include <string>
#include <vector>

#include "tests/editor/grid_snapshot.h"
#include "tests/editor/sample_glyph.h"

namespace velmora {
namespace {

using Texts = std::vector<std::string>;

Texts ValueBoxes(const GlyphGrid& grid) {
  Texts texts;
  for (int column = 0; column < kColumnCount; ++column) texts.push_back(grid.ValueBoxText(column));
  return texts;
}

GlyphGrid LoadedGrid() {
  GlyphGrid grid;
  LoadWindow(grid);
  return grid;
}

constexpr int kRed = 17;

TEST(LoadWindowTest, PaintsTheSampleCharacter) {
  const GlyphGrid grid = LoadedGrid();
  EXPECT_EQ(ValueBoxes(grid), Texts(kSampleValues.begin(), kSampleValues.end()));
  EXPECT_EQ(grid.PaperColor(), kWhite);
  EXPECT_EQ(grid.InkColor(), kBlack);

  for (int pin = 0; pin < kPinCount; ++pin) {
    for (int column = 0; column < kColumnCount; ++column) {
      const int cell = CellAt(column, pin);
      const bool on = IsSampleCellOn(column, pin);
      EXPECT_EQ(grid.CellColor(cell), on ? kBlack : kWhite)
          << "column " << column << " pin " << pin;
      EXPECT_EQ(grid.CellTooltip(cell), on ? std::to_string(1 << pin) : "0")
          << "column " << column << " pin " << pin;
    }
  }
}

TEST(ToggleCellTest, CornerCellsWeighOneAtTheBottomAndHundredTwentyEightAtTheTop) {
  struct Case {
    int cell;
    const char* tooltip;
    Texts boxes;
  };
  const Case cases[] = {
      {0, "0", {"254", "0", "0", "255", "136", "136", "136", "112"}},
      {7, "0", {"127", "0", "0", "255", "136", "136", "136", "112"}},
      {56, "1", {"255", "0", "0", "255", "136", "136", "136", "113"}},
      {63, "128", {"255", "0", "0", "255", "136", "136", "136", "240"}},
      {8, "1", {"255", "1", "0", "255", "136", "136", "136", "112"}},
      {23, "128", {"255", "0", "128", "255", "136", "136", "136", "112"}},
  };
  for (const Case& c : cases) {
    GlyphGrid grid = LoadedGrid();
    ToggleCell(grid, c.cell);
    EXPECT_EQ(grid.CellTooltip(c.cell), c.tooltip) << "cell " << c.cell;
    EXPECT_EQ(ValueBoxes(grid), c.boxes) << "cell " << c.cell;
  }
}

TEST(ToggleCellTest, SecondClickRestoresEverything) {
  GlyphGrid grid = LoadedGrid();
  for (int cell = 0; cell < kCellCount; ++cell) {
    const GridSnapshot before(grid);
    ToggleCell(grid, cell);
    EXPECT_FALSE(GridSnapshot(grid) == before) << "cell " << cell;
    ToggleCell(grid, cell);
    EXPECT_TRUE(GridSnapshot(grid) == before) << "cell " << cell;
  }
}

TEST(ToggleCellTest, AsymmetricGlyphRevealsNoReversal) {
  GlyphGrid grid;
  ClearGlyph(grid);
  // A staircase: column c has pins 0..c on, so column c reads 2^(c+1) - 1.
  for (int column = 0; column < kColumnCount; ++column) {
    for (int pin = 0; pin <= column; ++pin) ToggleCell(grid, CellAt(column, pin));
  }
  EXPECT_EQ(ValueBoxes(grid), (Texts{"1", "3", "7", "15", "31", "63", "127", "255"}));
  ToggleCell(grid, CellAt(6, 6));  // the top of column 6's stair
  EXPECT_EQ(grid.ValueBoxText(6), "63");
  EXPECT_EQ(grid.CellTooltip(CellAt(5, 2)), "4");
}

TEST(SelectInkTest, NewInkRepaintsOnCellsAndKeepsTheValues) {
  GlyphGrid grid = LoadedGrid();
  const Texts values = ValueBoxes(grid);
  const ColorValue red = Rgb(255, 0, 0);
  SelectInk(grid, kRed);
  EXPECT_EQ(grid.InkColor(), red);
  for (int cell = 0; cell < kCellCount; ++cell) {
    const bool was_on = LoadedGrid().IsCellOn(cell);
    EXPECT_EQ(grid.CellColor(cell), was_on ? red : kWhite) << "cell " << cell;
    EXPECT_EQ(grid.IsCellOn(cell), was_on) << "cell " << cell;
  }
  EXPECT_EQ(ValueBoxes(grid), values);

  ToggleCell(grid, 0);  // a red cell: switches off
  EXPECT_EQ(grid.CellColor(0), kWhite);
  EXPECT_EQ(grid.CellTooltip(0), "0");
  EXPECT_EQ(grid.ValueBoxText(0), "254");
  ToggleCell(grid, 8);  // an empty cell: switches on in red
  EXPECT_EQ(grid.CellColor(8), red);
  EXPECT_EQ(grid.ValueBoxText(1), "1");
}

TEST(SelectInkTest, PaperColouredInkAndTheInkInUseChangeNothing) {
  GlyphGrid grid = LoadedGrid();
  ToggleCell(grid, 10);
  const GridSnapshot before(grid);
  SelectInk(grid, 0);  // white, the paper colour
  EXPECT_TRUE(GridSnapshot(grid) == before);
  SelectInk(grid, 40);  // black, already the ink
  EXPECT_TRUE(GridSnapshot(grid) == before);

  // The picture survives the attempt: a later ink repaints it and clicks count right.
  SelectInk(grid, 0);
  SelectInk(grid, kRed);
  EXPECT_EQ(grid.CellColor(0), Rgb(255, 0, 0));
  ToggleCell(grid, 63);
  EXPECT_EQ(ValueBoxes(grid), (Texts{"255", "4", "0", "255", "136", "136", "136", "240"}));
}

TEST(ClearGlyphTest, EmptiesTheGridAndKeepsTheInk) {
  GlyphGrid grid = LoadedGrid();
  SelectInk(grid, kRed);
  ClearGlyph(grid);
  for (int cell = 0; cell < kCellCount; ++cell) {
    EXPECT_EQ(grid.CellColor(cell), kWhite) << "cell " << cell;
    EXPECT_EQ(grid.CellTooltip(cell), "0") << "cell " << cell;
  }
  EXPECT_EQ(ValueBoxes(grid), Texts(kColumnCount, "0"));
  EXPECT_EQ(grid.InkColor(), Rgb(255, 0, 0));
  ToggleCell(grid, 63);
  EXPECT_EQ(grid.ValueBoxText(7), "128");
  EXPECT_EQ(grid.CellTooltip(63), "128");
  EXPECT_EQ(grid.CellColor(63), Rgb(255, 0, 0));
}

TEST(EditingDeathTest, BadIndexesAreRunTimeErrors) {
  GlyphGrid grid = LoadedGrid();
  for (int cell : {-1, 64, 1000}) {
    EXPECT_EXIT(ToggleCell(grid, cell), testing::ExitedWithCode(1),
                "cell index " + std::to_string(cell) + " is outside 0\\.\\.63");
  }
  for (int entry : {-1, 48, 1000}) {
    EXPECT_EXIT(SelectInk(grid, entry), testing::ExitedWithCode(1),
                "palette index " + std::to_string(entry) + " is outside 0\\.\\.47");
  }
}

// Random clicks, checked against an independent record of which cells are on.
TEST(EditingPropertyTest, RandomClickStormsKeepTheGridConsistent) {
  const unsigned seed = 20261208;
  std::mt19937 random(seed);
  GlyphGrid grid = LoadedGrid();
  std::bitset<kCellCount> expected_on;
  for (int cell = 0; cell < kCellCount; ++cell) expected_on[cell] = grid.IsCellOn(cell);

  for (int step = 0; step < 20000; ++step) {
    const int choice = std::uniform_int_distribution<int>(0, 99)(random);
    std::string action;
    if (choice < 80) {
      const int cell = std::uniform_int_distribution<int>(0, kCellCount - 1)(random);
      ToggleCell(grid, cell);
      expected_on.flip(cell);
      action = "ToggleCell(" + std::to_string(cell) + ")";
    } else if (choice < 97) {
      const int entry = std::uniform_int_distribution<int>(0, kPaletteSize - 1)(random);
      SelectInk(grid, entry);
      action = "SelectInk(" + std::to_string(entry) + ")";
    } else {
      ClearGlyph(grid);
      expected_on.reset();
      action = "ClearGlyph";
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ", " + action);

    ASSERT_NE(grid.InkColor(), grid.PaperColor());
    std::array<int, kColumnCount> sums{};
    for (int cell = 0; cell < kCellCount; ++cell) {
      const bool on = grid.IsCellOn(cell);
      ASSERT_EQ(on, expected_on[cell]) << "cell " << cell;
      ASSERT_EQ(grid.CellColor(cell), on ? grid.InkColor() : grid.PaperColor()) << "cell " << cell;
      ASSERT_EQ(grid.CellTooltip(cell), on ? std::to_string(WeightOf(PinOf(cell))) : "0")
          << "cell " << cell;
      if (on) sums[ColumnOf(cell)] += WeightOf(PinOf(cell));
    }
    for (int column = 0; column < kColumnCount; ++column) {
      ASSERT_EQ(grid.ValueBoxText(column), std::to_string(sums[column])) << "column " << column;
    }
  }
}

}  // namespace
}  // namespace velmora
