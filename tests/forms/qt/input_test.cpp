// The mouse and the keyboard: clicks, the tab order, the keys that click, the arrows.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <utility>
#include <vector>

#include "forms/arrow_keys.h"
#include "tests/editor/sample_glyph.h"
#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

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
    EXPECT_EQ(ValueBox(c).toStdString(), kSampleValues[c]) << "column " << c;
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

}  // namespace
}  // namespace velmora
