#include "window/main_window.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/window/fake_form.h"
#include "window/assignment_text.h"
#include "window/hidden_note.h"

namespace velmora {
namespace {

using testing::FakeControl;
using testing::FakeForm;

struct Shown {
  std::optional<ColorValue> color;
  std::string text, tool_tip;
  bool operator==(const Shown& o) const {
    return std::tie(color, text, tool_tip) == std::tie(o.color, o.text, o.tool_tip);
  }
};

// What every control of the form shows, in creation order.
std::vector<Shown> Screen(const FakeForm& form) {
  std::vector<Shown> shown;
  for (const auto& control : form.controls()) {
    shown.push_back({control->row.back_color, control->row.text, control->row.tool_tip});
  }
  return shown;
}

std::vector<std::string> ValueBoxes(const FakeForm& form) {
  std::vector<std::string> texts;
  for (int c = 0; c < kColumnCount; ++c) texts.push_back(form.At("Text2", c).row.text);
  return texts;
}

TEST(MainWindowTest, OpensWithTheSampleCharacterShown) {
  FakeForm form;
  MainWindow window(form);
  EXPECT_EQ(form.Caption(), "www.velmora.example.com Velmora");
  EXPECT_EQ(form.client_size(), std::make_pair(8310, 6150));
  EXPECT_EQ(form.back_color(), Rgb(128, 128, 255));
  EXPECT_EQ(form.font().family, "Times New Roman");
  EXPECT_EQ(form.font().points, 12);
  EXPECT_EQ(form.font().charset, 204);
  EXPECT_EQ(form.icon(), "velmora");
  EXPECT_EQ(ValueBoxes(form),
            (std::vector<std::string>{"255", "0", "0", "255", "136", "136", "136", "112"}));
  for (int i = 0; i < kCellCount; ++i) {
    const FakeControl& cell = form.At("Command2", i);
    EXPECT_EQ(cell.row.back_color, window.grid().CellColor(i)) << "cell " << i;
    EXPECT_EQ(cell.row.tool_tip, window.grid().CellTooltip(i)) << "cell " << i;
  }
  EXPECT_EQ(form.At("Command2", 7).row.back_color, kBlack);
  EXPECT_EQ(form.At("Command2", 7).row.tool_tip, "128");
  EXPECT_EQ(form.At("Command2", 63).row.back_color, kWhite);
}

TEST(MainWindowTest, ClicksReachTheEditingOperations) {
  FakeForm form;
  MainWindow window(form);
  form.Click("Command2", 0);
  EXPECT_EQ(form.At("Text2", 0).row.text, "254");
  EXPECT_EQ(form.At("Command2", 0).row.tool_tip, "0");
  EXPECT_EQ(form.At("Command2", 0).row.back_color, kWhite);
  form.Click("Command2", 8);
  EXPECT_EQ(form.At("Text2", 1).row.text, "1");
  EXPECT_EQ(form.At("Command2", 8).row.tool_tip, "1");

  form.Click("Command1", 17);  // red
  EXPECT_EQ(form.At("Command2", 8).row.back_color, Rgb(255, 0, 0));
  EXPECT_EQ(form.At("Command2", 31).row.back_color, Rgb(255, 0, 0));
  EXPECT_EQ(form.At("Command2", 9).row.back_color, kWhite);
  EXPECT_EQ(form.At("Text2", 3).row.text, "255");

  form.Click("Command3", 0);
  EXPECT_EQ(ValueBoxes(form), std::vector<std::string>(kColumnCount, "0"));
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(form.At("Command2", i).row.back_color, kWhite) << "cell " << i;
    EXPECT_EQ(form.At("Command2", i).row.tool_tip, "0") << "cell " << i;
  }
  form.Click("Command2", 63);
  EXPECT_EQ(form.At("Text2", 7).row.text, "128");
  EXPECT_EQ(form.At("Command2", 63).row.back_color, Rgb(255, 0, 0));
}

TEST(MainWindowTest, ClicksOffTheEditorChangeNothing) {
  FakeForm form;
  MainWindow window(form);
  EXPECT_FALSE(form.At("Command1", 0).row.enabled);  // white: would wipe the picture
  EXPECT_FALSE(form.At("Command1", 8).row.enabled);
  EXPECT_FALSE(form.At("Text1", 1).row.visible);
  const std::vector<Shown> before = Screen(form);
  form.Click("Command1", 0);
  form.Click("Command1", 8);
  form.Click("Label1", 0);
  form.Click("Label1", 1);
  for (int n = 0; n <= 24; ++n) form.Click("Label2", n);
  form.Click("Text1", 0);
  for (int c = 0; c < kColumnCount; ++c) form.Click("Text2", c);
  EXPECT_TRUE(Screen(form) == before);
  EXPECT_TRUE(form.boxes().empty());
}

// Whatever is clicked, the value boxes show the sums of the cells the window shows as on.
TEST(MainWindowTest, RandomClickStormsKeepTheScreenConsistent) {
  const unsigned seed = 4242;
  std::mt19937 random(seed);
  FakeForm form;
  MainWindow window(form);
  for (int step = 0; step < 3000; ++step) {
    const int choice = std::uniform_int_distribution<int>(0, 99)(random);
    if (choice < 75) {
      form.Click("Command2", std::uniform_int_distribution<int>(0, kCellCount - 1)(random));
    } else if (choice < 97) {
      form.Click("Command1", std::uniform_int_distribution<int>(0, kPaletteSize - 1)(random));
    } else {
      form.Click("Command3", 0);
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
    const ColorValue ink = window.grid().InkColor();
    int sums[kColumnCount] = {};
    for (int i = 0; i < kCellCount; ++i) {
      const FakeControl& cell = form.At("Command2", i);
      ASSERT_EQ(cell.row.back_color, window.grid().CellColor(i)) << "cell " << i;
      const bool on = cell.row.back_color == ink;
      ASSERT_TRUE(on || cell.row.back_color == kWhite) << "cell " << i;
      ASSERT_EQ(cell.row.tool_tip, on ? std::to_string(WeightOf(PinOf(i))) : "0") << "cell " << i;
      if (on) sums[ColumnOf(i)] += WeightOf(PinOf(i));
    }
    for (int c = 0; c < kColumnCount; ++c) {
      ASSERT_EQ(form.At("Text2", c).row.text, std::to_string(sums[c])) << "column " << c;
    }
  }
}

TEST(MainWindowTest, HotspotShowsTheHiddenNoteTitledWithTheCurrentCaption) {
  FakeForm form;
  MainWindow window(form);
  const FakeControl& hotspot = form.At("Label2", 25);
  EXPECT_EQ(hotspot.row.tool_tip, "Великденско яйце");
  EXPECT_EQ(hotspot.row.back_color, form.back_color());
  EXPECT_EQ(hotspot.row.text, "");

  form.Click("Label2", 24);
  EXPECT_TRUE(form.boxes().empty());
  form.Click("Label2", 25);
  form.SetCaption("друго заглавие");
  form.Click("Label2", 25);
  ASSERT_EQ(form.boxes().size(), 2u);
  for (const forms::MessageBox& box : form.boxes()) {
    EXPECT_EQ(box.prompt, "В това приложение липсва\r\nописание на сорс кода!");
    EXPECT_EQ(box.buttons, forms::MsgBoxButtons::kOkCancel);
  }
  EXPECT_EQ(form.boxes()[0].title, "www.velmora.example.com Velmora");
  EXPECT_EQ(form.boxes()[1].title, "друго заглавие");
}

TEST(MainWindowTest, AssignmentTextHoldsItsLinesEachEndedByCrLf) {
  FakeForm form;
  MainWindow window(form);
  const std::string& text = form.At("Text1", 0).row.text;
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last line break";
  ASSERT_EQ(lines.size(), 28u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
  EXPECT_EQ(lines[0], "Един от най-ценените параметри на матричния принтер е ниската ");
  EXPECT_EQ(lines[1], "стойност за цена на страница.,т.к  използва една от най-старите ");
  EXPECT_EQ(lines[10], "Тема на проекта: Velmora.");
  EXPECT_EQ(lines[27], "живот на главата (брой отпечатани знаци) и др.");
  EXPECT_TRUE(form.At("Text1", 0).row.read_only);
  EXPECT_TRUE(form.At("Text1", 0).row.multi_line);
}

TEST(MainWindowTest, TabOrderRunsPaletteTextsMatrixValuesClear) {
  FakeForm form;
  MainWindow window(form);
  std::vector<std::pair<std::string, int>> expected;
  for (int k = 0; k < 48; ++k) expected.emplace_back("Command1", k);
  expected.emplace_back("Text1", 0);
  expected.emplace_back("Text1", 1);
  for (int i = 0; i < 64; ++i) expected.emplace_back("Command2", i);
  for (int c = 0; c < 8; ++c) expected.emplace_back("Text2", c);
  expected.emplace_back("Command3", 0);
  std::vector<std::pair<std::string, int>> actual;
  for (forms::Control* control : form.tab_order()) {
    const auto& row = static_cast<FakeControl*>(control)->row;
    actual.emplace_back(std::string(row.array), row.index);
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace velmora
