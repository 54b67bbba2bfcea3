// The main window as the user sees it, on the Qt backend.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/run_time_error.h"
#include "forms/arrow_keys.h"
#include "forms/qt/message_box.h"
#include "forms/qt/qt_form.h"
#include "forms/qt/widgets.h"
#include "tests/editor/palette_rgb.h"
#include "window/main_window.h"

namespace velmora {
namespace {

using forms::qt::GraphicalButton;

const QColor kWindowColor(128, 128, 255);

class QtMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<forms::qt::QtForm>();
    window_ = std::make_unique<MainWindow>(*form_);
    form_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_->window()));
  }
  void TearDown() override { forms::qt::SetMessageBoxAnswerer({}); }

  QWidget* Widget(const char* array, int index) const {
    forms::qt::QtControl* control = form_->Find(array, index);
    if (!control) ADD_FAILURE() << array << "(" << index << ") does not exist";
    return control ? control->widget() : nullptr;
  }
  GraphicalButton* Button(const char* array, int index) const {
    return qobject_cast<GraphicalButton*>(Widget(array, index));
  }
  QString ValueBox(int column) const {
    return qobject_cast<QLineEdit*>(Widget("Text2", column))->text();
  }
  QImage Screenshot() const { return form_->window()->grab().toImage(); }
  static QColor CentreOf(const QImage& image, const QWidget* widget) {
    return image.pixelColor(widget->geometry().center());
  }
  static void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
  // Answers every message box with OK and counts them.
  void CountMessageBoxes(int* count) {
    forms::qt::SetMessageBoxAnswerer([count](QMessageBox&) {
      ++*count;
      return QMessageBox::Ok;
    });
  }

  std::unique_ptr<forms::qt::QtForm> form_;
  std::unique_ptr<MainWindow> window_;
};

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
  const QString kValues[8] = {"255", "0", "0", "255", "136", "136", "136", "112"};
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
  const char* const kSample = "X..XXXX.X..X...XX..X...XX..X...XX..XXXX.X..X....X..X....X..X....";
  for (int i = 0; i < 64; ++i) {
    const bool on = kSample[8 * (7 - i % 8) + i / 8] == 'X';  // top row first, as on screen
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
    all.push_back({"Text2", c, Kind::kLine, {488, 56 + 24 * c, 57, 21}, kValues[c], {}});
  }
  return all;
}

QString TextOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
  if (auto* box = qobject_cast<const QPlainTextEdit*>(widget)) return box->toPlainText();
  return {};
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

TEST_F(QtMainWindowTest, MouseClicksChangeWhatTheScreenShows) {
  Click(Widget("Command2", 0));
  Click(Widget("Command2", 8));
  QImage image = Screenshot();
  EXPECT_EQ(CentreOf(image, Widget("Command2", 0)), QColor(255, 255, 255));
  EXPECT_EQ(CentreOf(image, Widget("Command2", 8)), QColor(0, 0, 0));
  EXPECT_EQ(ValueBox(0), "254");
  EXPECT_EQ(ValueBox(1), "1");
  EXPECT_EQ(Widget("Command2", 0)->toolTip(), "0");
  EXPECT_EQ(Widget("Command2", 8)->toolTip(), "1");

  Click(Widget("Command1", 17));
  image = Screenshot();
  EXPECT_EQ(CentreOf(image, Widget("Command2", 8)), QColor(255, 0, 0));
  EXPECT_EQ(CentreOf(image, Widget("Command2", 31)), QColor(255, 0, 0));
  EXPECT_EQ(CentreOf(image, Widget("Command2", 9)), QColor(255, 255, 255));

  Click(Widget("Command3", 0));
  image = Screenshot();
  for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(ValueBox(c), "0") << "column " << c;
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(CentreOf(image, Widget("Command2", i)), QColor(255, 255, 255)) << "cell " << i;
  }
}

TEST_F(QtMainWindowTest, ClicksOffTheEditorChangeNothing) {
  int boxes = 0;
  CountMessageBoxes(&boxes);
  const QImage before = Screenshot();
  for (QWidget* widget : {Widget("Command1", 0), Widget("Command1", 8), Widget("Label1", 0),
                          Widget("Label1", 1), Widget("Label2", 24), Widget("Label2", 3),
                          Widget("Label2", 16), Widget("Text2", 0), Widget("Text1", 0)}) {
    Click(widget);
  }
  // A press on the hotspot released outside it is no click.
  QWidget* hotspot = Widget("Label2", 25);
  QTest::mousePress(hotspot, Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseRelease(hotspot, Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_EQ(boxes, 0);
  form_->window()->setFocus();  // the clicks moved the focus mark
  QApplication::processEvents();
  for (int c = 0; c < kColumnCount; ++c)
    EXPECT_EQ(ValueBox(c), QStringList({"255", "0", "0", "255", "136", "136", "136", "112"})[c]);
  const QImage after = Screenshot();
  for (int i = 0; i < kCellCount; ++i) {
    const QWidget* cell = Widget("Command2", i);
    EXPECT_EQ(CentreOf(after, cell), CentreOf(before, cell)) << "cell " << i;
  }
}

TEST_F(QtMainWindowTest, KeyboardWalksTheTabOrderAndClicksWithSpaceReturnAndEnter) {
  QWidget* window = form_->window();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::focusWidget(), Widget("Command1", 1));

  QStringList expected;
  for (int k = 2; k < 48; ++k) {
    if (k != 8) expected << QString("Command1(%1)").arg(k);
  }
  expected << "Text1(0)";
  for (int i = 0; i < 64; ++i) expected << QString("Command2(%1)").arg(i);
  for (int c = 0; c < 8; ++c) expected << QString("Text2(%1)").arg(c);
  expected << "Command3(0)"
           << "Command1(1)";
  QStringList visited;
  for (qsizetype step = 0; step < expected.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);

  const auto press = [](QWidget* widget, Qt::Key key) {
    widget->setFocus();
    QTest::keyClick(widget, key);
  };
  press(Widget("Command2", 0), Qt::Key_Return);
  EXPECT_EQ(ValueBox(0), "254");
  press(Widget("Command2", 0), Qt::Key_Enter);
  EXPECT_EQ(ValueBox(0), "255");
  press(Widget("Command2", 8), Qt::Key_Space);
  EXPECT_EQ(ValueBox(1), "1");
  press(Widget("Command1", 17), Qt::Key_Enter);
  EXPECT_EQ(Button("Command2", 8)->FaceColor(), QColor(255, 0, 0));
  press(Widget("Command3", 0), Qt::Key_Return);
  EXPECT_EQ(ValueBox(3), "0");
  press(Widget("Command1", 8), Qt::Key_Return);  // takes no focus, so no key either
  EXPECT_EQ(Button("Command2", 8)->FaceColor(), QColor(255, 255, 255));
}

// Where an arrow key takes the focus in the palette and the matrix, worked out by hand from
// their places; -1: it stays. Light grey (8) and white (0) take no focus.
TEST_F(QtMainWindowTest, ArrowKeysMoveByPlaceWithinTheirArray) {
  struct Move {
    const char* array;
    int from;
    Qt::Key key;
    int to;
  };
  const Move moves[] = {
      {"Command1", 9, Qt::Key_Right, 10}, {"Command1", 10, Qt::Key_Left, 9},
      {"Command1", 10, Qt::Key_Down, 18}, {"Command1", 18, Qt::Key_Up, 10},
      {"Command1", 7, Qt::Key_Right, -1}, {"Command1", 47, Qt::Key_Down, -1},
      {"Command1", 3, Qt::Key_Up, -1},    {"Command1", 40, Qt::Key_Left, -1},
      {"Command1", 2, Qt::Key_Left, 1},   {"Command1", 1, Qt::Key_Left, 16},
      {"Command1", 16, Qt::Key_Up, 9},    {"Command1", 9, Qt::Key_Left, 16},
      {"Command2", 0, Qt::Key_Up, 1},     {"Command2", 7, Qt::Key_Up, -1},
      {"Command2", 8, Qt::Key_Down, -1},  {"Command2", 13, Qt::Key_Down, 12},
      {"Command2", 3, Qt::Key_Right, 11}, {"Command2", 59, Qt::Key_Left, 51},
      {"Command2", 2, Qt::Key_Left, -1},  {"Command2", 63, Qt::Key_Right, -1},
  };
  for (const Move& move : moves) {
    SCOPED_TRACE(std::string(move.array) + "(" + std::to_string(move.from) + ") key " +
                 std::to_string(move.key));
    QWidget* from = Widget(move.array, move.from);
    from->setFocus();
    QTest::keyClick(from, move.key);
    EXPECT_EQ(QApplication::focusWidget(), move.to < 0 ? from : Widget(move.array, move.to));
  }
  EXPECT_EQ(ValueBox(0), "255") << "no arrow clicks";
}

// The forms layer's own arrow rule, which the Win32 window follows, moves as Qt does for every
// element and arrow.
TEST_F(QtMainWindowTest, ArrowRuleOfTheFormsLayerMatchesQt) {
  const std::vector<forms::ControlRow> layout = MainWindowLayout(window_->grid());
  const std::pair<Qt::Key, forms::Arrow> arrows[] = {{Qt::Key_Left, forms::Arrow::kLeft},
                                                     {Qt::Key_Right, forms::Arrow::kRight},
                                                     {Qt::Key_Up, forms::Arrow::kUp},
                                                     {Qt::Key_Down, forms::Arrow::kDown}};
  for (const char* array : {"Command1", "Command2"}) {
    std::vector<forms::ArrowStop> stops;
    for (const forms::ControlRow& row : layout) {
      if (row.array == array) stops.push_back(forms::StopOf(row));
    }
    for (int from = 0; from < static_cast<int>(stops.size()); ++from) {
      if (!stops[from].takes_focus) continue;
      for (const auto& [key, arrow] : arrows) {
        Widget(array, from)->setFocus();
        QTest::keyClick(Widget(array, from), key);
        const int to = forms::ArrowTarget(stops, from, arrow);
        EXPECT_EQ(QApplication::focusWidget(), Widget(array, to < 0 ? from : to))
            << array << "(" << from << ") key " << key;
      }
    }
  }
}

// How many pixels of the focus mark's top line stand out from the face: differ from it in
// luma (perceived brightness, 0..255) by at least 100.
int MarkPixelsStandingOut(GraphicalButton* button) {
  const auto luma = [](const QColor& c) {
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
  };
  const QImage image = button->grab().toImage();
  const int face = luma(button->FaceColor());
  int count = 0;
  for (int x = 3; x < image.width() - 3; ++x) {
    if (std::abs(luma(image.pixelColor(x, 2)) - face) >= 100) ++count;
  }
  return count;
}

TEST_F(QtMainWindowTest, FocusMarkStandsOutOnEveryFace) {
  form_->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->window()));
  GraphicalButton* cell = Button("Command2", 0);
  for (const QColor face : {QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128),
                            QColor(255, 0, 0), QColor(0, 0, 128), QColor(255, 255, 0)}) {
    SCOPED_TRACE(face.name().toStdString());
    cell->SetFaceColor(face);
    Widget("Command2", 1)->setFocus();
    EXPECT_EQ(MarkPixelsStandingOut(cell), 0) << "no mark without the focus";
    cell->setFocus();
    EXPECT_GE(MarkPixelsStandingOut(cell), 4);
  }
}

// The colours met going from `from` in steps of `step` until the window's background, as
// runs of equal pixels: {colour, length}.
std::vector<std::pair<QColor, int>> RunsToTheBackground(const QImage& image, QPoint from,
                                                        QPoint step) {
  std::vector<std::pair<QColor, int>> runs;
  for (QPoint at = from; image.rect().contains(at); at += step) {
    const QColor color = image.pixelColor(at);
    if (color == kWindowColor) return runs;
    if (runs.empty() || runs.back().first != color) runs.push_back({color, 0});
    ++runs.back().second;
  }
  ADD_FAILURE() << "left the window without meeting the background";
  return runs;
}

// Runs under QT_SCALE_FACTOR 1, 1.5 and 2: the frame lies on a button's outermost device
// pixels, its light and dark halves equally thick, with nothing of the face beyond it.
TEST_F(QtMainWindowTest, FramesHugTheButtonEdgesAtAnyScale) {
  const QImage image = Screenshot();
  const qreal ratio = image.devicePixelRatio();
  const int thickness = std::max(1, static_cast<int>(ratio));
  const auto centre = [&](const char* array, int index) {
    return (QPointF(Widget(array, index)->geometry().center()) * ratio).toPoint();
  };
  const QColor white(255, 255, 255), black(0, 0, 0);
  const std::pair<QColor, int> light{white, thickness}, dark{black, thickness};
  SCOPED_TRACE("scale " + std::to_string(ratio));
  // Cell 8 is white, cell 0 black; each edge is walked out from the middle of the face.
  const QPoint white_cell = centre("Command2", 8), black_cell = centre("Command2", 0);
  using Runs = std::vector<std::pair<QColor, int>>;
  const auto tail = [](const Runs& runs) { return Runs(runs.begin() + 1, runs.end()); };
  EXPECT_EQ(tail(RunsToTheBackground(image, white_cell, {1, 0})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, white_cell, {0, 1})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, black_cell, {-1, 0})), Runs{light});
  EXPECT_EQ(tail(RunsToTheBackground(image, black_cell, {0, -1})), Runs{light});
  EXPECT_EQ(RunsToTheBackground(image, black_cell, {1, 0}).size(), 1u) << "black to the edge";
  const QPoint red_button = centre("Command3", 0) - QPoint(30 * ratio, 0);  // left of the caption
  EXPECT_EQ(tail(RunsToTheBackground(image, red_button, {0, 1})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, red_button, {0, -1})), Runs{light});
}

// The contrast of two colours as the web's accessibility guidelines define it, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A widget's face, its commonest colour, and the contrast of its text on it: of the pixel
// that stands out from the face most.
std::pair<QColor, double> FaceAndTextContrast(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  const QColor face(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                    })->first);
  double best = 1;
  for (const auto& [pixel, count] : counts) best = std::max(best, Contrast(face, QColor(pixel)));
  return {face, best};
}

TEST(QtThemeTest, EveryTextStaysReadableInADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));  // buttons and window
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, Qt::white);
  QApplication::setPalette(dark);
  {
    forms::qt::QtForm form;
    MainWindow window(form);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.window()));
    for (QWidget* widget : form.window()->findChildren<QWidget*>()) {
      const bool label = qobject_cast<const QLabel*>(widget) && !TextOf(widget).isEmpty();
      const bool text_box =
          qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
      if (!widget->isVisible() || !(label || text_box)) continue;
      SCOPED_TRACE(widget->objectName().toStdString());
      const auto [face, contrast] = FaceAndTextContrast(widget);
      EXPECT_GE(contrast, 4.5) << "face " << face.name().toStdString();
      // The text boxes follow the theme, face and text together.
      if (text_box) {
        EXPECT_EQ(face, QColor(30, 30, 30));
      }
    }
  }
  QApplication::setPalette(light);
}

TEST_F(QtMainWindowTest, HotspotOpensTheNoteInARealMessageBox) {
  struct Seen {
    QString text, title;
    QStringList captions;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton default_button;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
  };
  std::vector<Seen> seen;
  forms::qt::SetMessageBoxAnswerer([&seen](QMessageBox& box) {
    Seen shown{box.text(), box.windowTitle(),   {}, {}, box.standardButton(box.defaultButton()),
               box.icon(), box.windowModality()};
    for (QAbstractButton* button : box.buttons()) {
      shown.buttons << box.standardButton(button);
      shown.captions << button->text();
    }
    seen.push_back(shown);
    return seen.size() == 1 ? QMessageBox::Ok : QMessageBox::Cancel;
  });
  Click(Widget("Label2", 25));
  Click(Widget("Label2", 25));
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& box : seen) {
    EXPECT_EQ(box.text, "В това приложение липсва\nописание на сорс кода!");
    EXPECT_EQ(box.title, "www.velmora.example.com Velmora");
    EXPECT_EQ(box.buttons, (QList{QMessageBox::Ok, QMessageBox::Cancel}));
    EXPECT_EQ(box.captions, (QStringList{"OK", "Отказ"}));
    EXPECT_EQ(box.default_button, QMessageBox::Ok);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
  }
}

// A run-time error is told in a message box as well as on standard error, then ends the
// program with status 1.
TEST(QtRunTimeErrorDeathTest, IsToldInAMessageBox) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";  // Qt runs threads of its own
  EXPECT_EXIT(
      {
        forms::qt::SetMessageBoxAnswerer([](QMessageBox& box) {
          std::fprintf(stderr, "box %s: %s\n", qUtf8Printable(box.windowTitle()),
                       qUtf8Printable(box.text()));
          return QMessageBox::Ok;
        });
        SetRunTimeErrorReporter(forms::qt::ShowRunTimeError);
        RunTimeError("cell index 64 is outside 0..63");
      },
      ::testing::ExitedWithCode(1),
      // Whatever Qt writes before it (Qt 6.4 a line break, Qt 6.8 nothing), the report's line on
      // standard error and then the box.
      "Velmora: cell index 64 is outside 0\\.\\.63\nbox Velmora: cell index 64 is outside "
      "0\\.\\.63\n");
}

TEST_F(QtMainWindowTest, AssignmentTextScrollsThroughItsLines) {
  auto* box = qobject_cast<QPlainTextEdit*>(Widget("Text1", 0));
  ASSERT_NE(box, nullptr);
  const QTextDocument* document = box->document();
  ASSERT_EQ(document->blockCount(), 29) << "28 lines, each ended by a line break";
  EXPECT_EQ(document->findBlockByNumber(10).text(), "Тема на проекта: Velmora.");
  EXPECT_EQ(document->lastBlock().text(), "");
  const QString text = box->toPlainText();
  QScrollBar* bar = box->verticalScrollBar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_GT(bar->maximum(), 0) << "the text is longer than the box";
  EXPECT_EQ(bar->value(), 0);
  // The wheel scrolls it, and so does the keyboard, to where the caret goes.
  QWheelEvent wheel(QPointF(20, 20), box->mapToGlobal(QPointF(20, 20)), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box->viewport(), &wheel);
  EXPECT_GT(bar->value(), 0);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(box->textCursor().position(), text.size());
  EXPECT_EQ(bar->value(), bar->maximum());
  QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(bar->value(), 0);
  QTest::keyClick(box, Qt::Key_PageDown);
  EXPECT_GT(bar->value(), 0);
  EXPECT_GT(box->textCursor().position(), document->firstBlock().length());
  // Nothing typed changes it.
  QTest::keyClicks(box, "abc");
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->toPlainText(), text);
}

// The captions of the context menu `box` opens at a right click, as the user sees them. Qt
// runs some menus modal (read while they are open) and pops others up (read after the click).
QStringList ContextMenuCaptions(QWidget* box) {
  QStringList captions;
  bool shown = false;
  const auto read_menu = [&] {
    QWidget* menu = QApplication::activePopupWidget();
    if (!menu || shown) return;
    shown = true;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->isVisible()) captions << action->text();
    }
    menu->close();
  };
  QTimer::singleShot(0, box, read_menu);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(box, &event);
  read_menu();
  EXPECT_TRUE(shown) << "no menu opened";
  QApplication::processEvents();
  return captions;
}

// Qt speaks Bulgarian in its own texts: the read-only boxes' menus only copy and select all.
TEST_F(QtMainWindowTest, TextBoxMenusAreInBulgarian) {
  const QStringList expected{"&Копиране\tCtrl+C", "Избиране на всичко\tCtrl+A"};
  EXPECT_EQ(ContextMenuCaptions(Widget("Text2", 3)), expected);
  auto* assignment = qobject_cast<QPlainTextEdit*>(Widget("Text1", 0));
  EXPECT_EQ(ContextMenuCaptions(assignment->viewport()), expected);
}

TEST_F(QtMainWindowTest, ScreenReadersCanNameEveryControl) {
  const auto accessible = [](QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(text) : QString("<none>");
  };
  for (QWidget* widget : form_->window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (widget->isHidden()) continue;
    EXPECT_FALSE(accessible(widget, QAccessible::Name).isEmpty())
        << widget->objectName().toStdString();
  }
  const auto state = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->state();
  };
  QWidget* cell = Widget("Command2", 3);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(cell)->role(), QAccessible::CheckBox);
  EXPECT_TRUE(state(cell).checkable);
  EXPECT_EQ(accessible(cell, QAccessible::Name), "Клетка: колона 1, ред 4");
  // The description tells the cell's weight and its column's value, the tooltip the weight.
  EXPECT_EQ(accessible(cell, QAccessible::Description), "Тегло 8. Сума на колона К1: 255");
  EXPECT_EQ(cell->toolTip(), "8");
  EXPECT_TRUE(state(cell).checked) << "on at start";
  Click(cell);
  EXPECT_EQ(accessible(cell, QAccessible::Description), "Тегло 0. Сума на колона К1: 247");
  EXPECT_EQ(accessible(Widget("Command2", 0), QAccessible::Description),
            "Тегло 1. Сума на колона К1: 247")
      << "every cell of the column tells the new value";
  EXPECT_EQ(cell->toolTip(), "0");
  EXPECT_FALSE(state(cell).checked);
  QWidget* off_cell = Widget("Command2", 8);
  EXPECT_FALSE(state(off_cell).checked);
  QTest::keyClick(off_cell, Qt::Key_Space);
  EXPECT_TRUE(state(off_cell).checked) << "one click switches it on, and the state with it";
  // The palette entry of the ink is the current one, and only it.
  const auto current_inks = [&] {
    QList<int> current;
    for (int k = 0; k < 48; ++k) {
      if (state(Widget("Command1", k)).checked) current << k;
    }
    return current;
  };
  EXPECT_EQ(current_inks(), QList<int>{40}) << "black";
  Click(Widget("Command1", 17));
  EXPECT_EQ(current_inks(), QList<int>{17}) << "red";
  EXPECT_TRUE(state(off_cell).checked) << "still on in the new ink";
  // A screen reader's default action presses a button, but not a disabled one.
  const auto press = [](QWidget* widget) {
    QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
  };
  press(Widget("Command1", 8));
  EXPECT_EQ(current_inks(), QList<int>{17}) << "light grey cannot be chosen";
  press(off_cell);
  EXPECT_FALSE(state(off_cell).checked);
  EXPECT_EQ(ValueBox(1), "0");
  EXPECT_EQ(accessible(Widget("Command1", 1), QAccessible::Name),
            "Цвят на мастилото: червено 255, зелено 192, синьо 192");
  EXPECT_EQ(accessible(Widget("Text2", 4), QAccessible::Name), "Сума на колона К5");
  EXPECT_EQ(accessible(Widget("Command3", 0), QAccessible::Name), "Изчисти");
  EXPECT_EQ(accessible(Widget("Command3", 0), QAccessible::Description),
            "Суми на колоните: 247, 0, 0, 255, 136, 136, 136, 112");
  Click(Widget("Command3", 0));
  EXPECT_EQ(accessible(Widget("Command3", 0), QAccessible::Description), "Всички колони са 0");
  EXPECT_EQ(accessible(Widget("Label2", 25), QAccessible::Description), "Великденско яйце");
}

// A value box as a screen reader reads it: focus selects nothing, its number is one word and
// one line from anywhere in it, and no client can write to it.
TEST_F(QtMainWindowTest, ValueBoxesAreReadWholeAndTakeNoEdit) {
  auto* box = qobject_cast<QLineEdit*>(Widget("Text2", 7));
  form_->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->window()));
  Widget("Command2", 63)->setFocus();
  QTest::keyClick(Widget("Command2", 63), Qt::Key_Tab);  // on to Text2(0)
  auto* first = qobject_cast<QLineEdit*>(Widget("Text2", 0));
  ASSERT_TRUE(first->hasFocus());
  EXPECT_FALSE(first->hasSelectedText()) << "Tab selected the number";
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(accessible->editableTextInterface(), nullptr);
  EXPECT_TRUE(accessible->state().readOnly);
  int start = -1, end = -1;
  for (int offset = 0; offset <= 3; ++offset) {
    for (auto boundary : {QAccessible::WordBoundary, QAccessible::LineBoundary,
                          QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary}) {
      EXPECT_EQ(text->textAtOffset(offset, boundary, &start, &end), "112") << offset;
      EXPECT_EQ(start, 0);
      EXPECT_EQ(end, 3);
    }
  }
  EXPECT_EQ(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), "1");
  EXPECT_EQ(text->textAtOffset(3, QAccessible::CharBoundary, &start, &end), "");
  EXPECT_EQ(text->textBeforeOffset(3, QAccessible::CharBoundary, &start, &end), "2");
  EXPECT_EQ(text->textAfterOffset(0, QAccessible::WordBoundary, &start, &end), "");
  EXPECT_EQ(start, 3);
  EXPECT_EQ(text->textAtOffset(-1, QAccessible::WordBoundary, &start, &end), "");
  EXPECT_EQ(start, 0);
  EXPECT_EQ(text->textAtOffset(4, QAccessible::WordBoundary, &start, &end), "");
  EXPECT_EQ(start, 3);
  EXPECT_EQ(text->text(-5, 99), "112");
  accessible->setText(QAccessible::Value, "999");
  EXPECT_EQ(box->text(), "112");
  // The assignment reads by the lines it shows.
  QAccessibleTextInterface* assignment =
      QAccessible::queryAccessibleInterface(Widget("Text1", 0))->textInterface();
  ASSERT_NE(assignment, nullptr);
  EXPECT_EQ(assignment->textAtOffset(0, QAccessible::WordBoundary, &start, &end), "Един ");
  EXPECT_TRUE(assignment->textAtOffset(0, QAccessible::LineBoundary, &start, &end)
                  .startsWith("Един от най-ценените"));
}

}  // namespace
}  // namespace velmora
