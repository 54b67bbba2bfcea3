// The assignment scrolls by the wheel and the keys; the boxes' menus are in Bulgarian.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QWheelEvent>

#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

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

}  // namespace
}  // namespace velmora
