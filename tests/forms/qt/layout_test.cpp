// Where each control of the window is, what it shows and in which colour, and the window itself.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QIcon>
#include <optional>
#include <string>
#include <vector>

#include "tests/editor/palette_rgb.h"
#include "tests/editor/sample_glyph.h"
#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

enum class Kind { kButton, kLabel, kLine, kMultiLine };

struct Expected {
  std::string array;
  int index;
  Kind kind;
  QRect pixels;
  QString text;                 // null: not compared (the assignment text is checked apart)
  std::optional<QColor> color;  // none: the platform's own
  Qt::Alignment alignment = Qt::AlignHCenter;
};

// The window's controls, worked out by hand from their twips (15 to a pixel) and colours.
std::vector<Expected> ExpectedControls() {
  const QColor light_orange(255, 192, 128), orange(255, 128, 0);
  const QString kRowCaptions[8] = {"Ред 1:  * 1", "Ред 2:  * 2", "Ред 3:  * 4", "Ред 4:  * 8",
                                   "Ред 5:  *16", "Ред 6:  *32", "Ред 7:  *64", "Ред 8:  *128"};
  std::vector<Expected> all = {
      {"Label1", 0, Kind::kLabel, {112, 0, 337, 25}, "Velmora", light_orange},
      {"Label1", 1, Kind::kLabel, {16, 40, 113, 17}, "Изберете цвят", light_orange},
      {"Command3", 0, Kind::kButton, {32, 184, 81, 33}, "Изчисти", QColor(255, 0, 0)},
      {"Label2", 16, Kind::kLabel, {432, 32, 113, 17}, "Сума по колони", light_orange},
      {"Text1", 0, Kind::kMultiLine, {8, 256, 537, 145}, {}, {}, {}},
      {"Text1", 1, Kind::kMultiLine, {88, 296, 521, 97}, "", {}, {}},
      {"Label2", 25, Kind::kLabel, {0, 0, 9, 9}, "", kWindowColor},
  };
  for (int k = 0; k < 48; ++k) {
    all.push_back({"Command1",
                   k,
                   Kind::kButton,
                   {8 + 16 * (k % 8), 64 + 16 * (k / 8), 17, 17},
                   "",
                   QColor(kPaletteRgb[k].r, kPaletteRgb[k].g, kPaletteRgb[k].b)});
  }
  for (int i = 0; i < 64; ++i) {
    const bool on = IsSampleCellOn(i / 8, i % 8);
    all.push_back({"Command2",
                   i,
                   Kind::kButton,
                   {240 + 24 * (i / 8), 56 + 24 * (7 - i % 8), 17, 19},
                   "",
                   on ? QColor(0, 0, 0) : QColor(255, 255, 255)});
  }
  for (int c = 0; c < 8; ++c) {
    all.push_back({"Label2",
                   8 + c,
                   Kind::kLabel,
                   {240 + 24 * c, 32, 17, 17},
                   QString::number(c + 1),
                   light_orange});
    all.push_back({"Label2",
                   c,
                   Kind::kLabel,
                   {144, 56 + 24 * (7 - c), 89, 17},
                   kRowCaptions[c],
                   orange,
                   Qt::AlignLeft});
    const int height = (c < 2 || c > 5) ? 21 : 19;
    all.push_back({"Label2",
                   17 + c,
                   Kind::kLabel,
                   {448, 56 + 24 * c, 41, height},
                   "К" + QString::number(c + 1),
                   light_orange});
    all.push_back({"Text2",
                   c,
                   Kind::kLine,
                   {488, 56 + 24 * c, 57, 21},
                   QString::fromStdString(kSampleValues[c]),
                   {}});
  }
  return all;
}

std::optional<Qt::Alignment> AlignmentOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->alignment();
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->alignment();
  return std::nullopt;
}

TEST_F(QtMainWindowTest, EveryControlShowsWhatTheLayoutGivesIt) {
  const std::vector<Expected> expected = ExpectedControls();
  EXPECT_EQ(form_->window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            static_cast<qsizetype>(expected.size()));
  const QImage screen = Screenshot();
  for (const Expected& control : expected) {
    SCOPED_TRACE(control.array + "(" + std::to_string(control.index) + ")");
    const QWidget* widget = Widget(control.array.c_str(), control.index);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), control.pixels);
    const bool right_kind[] = {qobject_cast<const GraphicalButton*>(widget) != nullptr,
                               qobject_cast<const QLabel*>(widget) != nullptr,
                               qobject_cast<const QLineEdit*>(widget) != nullptr,
                               qobject_cast<const QPlainTextEdit*>(widget) != nullptr};
    if (!widget->isHidden()) {
      EXPECT_TRUE(right_kind[static_cast<int>(control.kind)]);
    }
    if (!control.text.isNull()) {
      EXPECT_EQ(TextOf(widget), control.text);
    }
    if (control.color) {
      // A spot the caption, the frame and the neighbours leave free.
      const QRect area = widget->geometry();
      const QPoint probe = control.kind == Kind::kButton ? area.topLeft() + QPoint(3, 3)
                                                         : area.bottomRight() - QPoint(2, 0);
      EXPECT_EQ(screen.pixelColor(probe), *control.color);
    }
    if (const auto alignment = AlignmentOf(widget)) {
      EXPECT_EQ(*alignment & Qt::AlignHorizontal_Mask, control.alignment);
    }
  }
  EXPECT_EQ(screen.pixelColor(550, 300), kWindowColor) << "window background";
  EXPECT_FALSE(Widget("Command1", 0)->isEnabled()) << "white would wipe the picture";
  EXPECT_FALSE(Widget("Command1", 8)->isEnabled());
  EXPECT_TRUE(Widget("Command1", 8)->isVisible());
  EXPECT_FALSE(Widget("Text1", 1)->isVisible());
  // Typing into a value box changes nothing.
  QTest::keyClicks(Widget("Text2", 0), "9");
  QTest::keyClick(Widget("Text2", 0), Qt::Key_Backspace);
  EXPECT_EQ(ValueBox(0), "255");
  EXPECT_EQ(Widget("Label2", 25)->toolTip(), "Великденско яйце");
}

TEST_F(QtMainWindowTest, WindowHasItsCaptionFixedSizeIconAndFonts) {
  QWidget* window = form_->window();
  EXPECT_EQ(window->windowTitle(), "www.velmora.example.com Velmora");
  EXPECT_EQ(window->size(), QSize(554, 410));
  EXPECT_EQ(window->minimumSize(), QSize(554, 410));
  EXPECT_EQ(window->maximumSize(), QSize(554, 410));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  const QIcon icon = window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_EQ(icon.pixmap(32, 32).toImage().pixelColor(16, 16).alpha(), 255) << "opaque middle";
  EXPECT_EQ(icon.pixmap(32, 32).toImage().pixelColor(0, 0).alpha(), 0) << "transparent corner";

  const QFont text_font = Widget("Label2", 16)->font();
  EXPECT_EQ(text_font.family(), "Times New Roman");
  EXPECT_EQ(text_font.pointSizeF(), 12.0);
  EXPECT_EQ(text_font.weight(), QFont::Normal);
  // Without Times New Roman, its metric-compatible twin stands in.
  const QString shown = QFontInfo(text_font).family();
  EXPECT_TRUE(shown == "Times New Roman" || shown == "Liberation Serif") << shown.toStdString();
  EXPECT_EQ(Widget("Text1", 0)->font().family(), "Times New Roman");
  EXPECT_EQ(Widget("Command1", 5)->font().family(), "MS Sans Serif");
  EXPECT_EQ(Widget("Command1", 5)->font().pointSizeF(), 8.25);
}

}  // namespace
}  // namespace velmora
