// The read-only text box as a user works it: keys, mouse, clipboard and context menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "forms/qt/read_only_text_view.h"

namespace velmora::forms::qt {
namespace {

class ReadOnlyTextViewTest : public ::testing::Test {
 protected:
  // A box shown in a window of its own, focused, as the window shows it.
  ReadOnlyTextView* Show(ReadOnlyTextView::Lines lines, const QString& text, QSize size) {
    auto* view = new ReadOnlyTextView(&window_, lines);
    view->setGeometry(QRect(QPoint(10, 10), size));
    view->SetText(text);
    window_.resize(size + QSize(20, 20));
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    view->setFocus();
    return view;
  }
  // Where the character at `offset` is drawn, in the box.
  static QPoint At(const ReadOnlyTextView* view, int offset) {
    return view->mapFromGlobal(view->CharacterRect(offset).center());
  }

  QWidget window_;
};

TEST_F(ReadOnlyTextViewTest, KeysMoveSelectAndCopyByTheLine) {
  ReadOnlyTextView* view = Show(ReadOnlyTextView::Lines::kOne, "Сума 112", {120, 21});
  EXPECT_EQ(view->Caret(), 8) << "a line's caret starts at its end";
  QTest::keyClick(view, Qt::Key_Home);
  EXPECT_EQ(view->Caret(), 0);
  QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(view->Caret(), 5) << "over the word and its blank";
  QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(view->SelectedText(), "112");
  QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(view->SelectedText(), "11");
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "11");
  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(view->SelectedText(), "Сума 112");
  QTest::keyClick(view, Qt::Key_Right);
  EXPECT_EQ(view->SelectedText(), "") << "a move without Shift drops the selection";
  // Up and Down belong to the window, as with Qt's own line boxes; typing does nothing.
  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QApplication::sendEvent(view, &up);
  EXPECT_FALSE(up.isAccepted());
  QTest::keyClicks(view, "9");
  QTest::keyClick(view, Qt::Key_Backspace);
  EXPECT_EQ(view->Text(), "Сума 112");
  // A new text puts the caret at its end, and a shorter one never leaves it past it.
  view->SetText("7");
  EXPECT_EQ(view->Caret(), 1);
  EXPECT_EQ(view->SelectedText(), "");
}

TEST_F(ReadOnlyTextViewTest, WrappedLinesAreWalkedAsTheyAreShown) {
  // Two paragraphs, the first wider than the box, so that it wraps at its blanks.
  const QString text = "алфа бета гама делта епсилон дзета ета тета йота капа\nламбда\n";
  ReadOnlyTextView* view = Show(ReadOnlyTextView::Lines::kWrapped, text, {150, 120});
  EXPECT_EQ(view->Caret(), 0);
  const QList<int> starts = view->LineStarts();
  ASSERT_GE(starts.size(), 4) << "the long paragraph wraps";
  const int second_paragraph = static_cast<int>(text.indexOf("ламбда"));
  EXPECT_TRUE(starts.contains(second_paragraph));
  for (int start : starts.mid(1)) {
    EXPECT_TRUE(start == second_paragraph || start == text.size() || text[start - 1] == ' ')
        << "wrapped at a blank, before " << start;
  }
  // End stops before the blank where the line wraps, so the caret stays on its line.
  QTest::keyClick(view, Qt::Key_End);
  EXPECT_EQ(view->Caret(), starts[1] - 1);
  QTest::keyClick(view, Qt::Key_Home);
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(view->Caret(), starts[1]);
  QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(view->SelectedText(), text.mid(starts[1], starts[2] - starts[1]));
  // The end of a paragraph is before its line break.
  QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(view->Caret(), text.size());
  QTest::keyClick(view, Qt::Key_Up);
  QTest::keyClick(view, Qt::Key_End);
  EXPECT_EQ(view->Caret(), text.size() - 1);
  QTest::keyClick(view, Qt::Key_PageUp);
  EXPECT_LT(view->Caret(), starts[1]) << "a page up from near the top goes to the first line";
  QTest::keyClick(view, Qt::Key_PageUp);
  EXPECT_EQ(view->Caret(), 0) << "and from there to the start";
}

TEST_F(ReadOnlyTextViewTest, MouseSelectsByDragWordAndShiftClick) {
  const QString text = "едно две три";
  ReadOnlyTextView* view = Show(ReadOnlyTextView::Lines::kOne, text, {200, 24});
  const auto left_of = [&](int offset) {
    return view->mapFromGlobal(view->CharacterRect(offset).topLeft()) + QPoint(0, 5);
  };
  QTest::mousePress(view, Qt::LeftButton, {}, left_of(5));
  QTest::mouseMove(view, left_of(8));
  QMouseEvent move(QEvent::MouseMove, left_of(12 - 1) + QPoint(20, 0),
                   view->mapToGlobal(left_of(12 - 1) + QPoint(20, 0)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  QTest::mouseRelease(view, Qt::LeftButton, {}, left_of(11) + QPoint(20, 0));
  EXPECT_EQ(view->SelectedText(), "две три") << "dragged past the end";
  QTest::mouseClick(view, Qt::LeftButton, {}, left_of(1));
  EXPECT_EQ(view->SelectedText(), "");
  EXPECT_EQ(view->Caret(), 1);
  QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, left_of(4));
  EXPECT_EQ(view->SelectedText(), "дно");
  QTest::mouseDClick(view, Qt::LeftButton, {}, At(view, 6));
  EXPECT_EQ(view->SelectedText(), "две");
  // Its character boxes are where the mouse finds them.
  for (int offset = 0; offset < text.size(); ++offset) {
    EXPECT_EQ(view->OffsetAt(view->CharacterRect(offset).center()), offset);
  }
  EXPECT_EQ(view->OffsetAt(view->mapToGlobal(QPoint(-5, 5))), -1);
}

TEST_F(ReadOnlyTextViewTest, ContextMenuCopiesAndSelectsAllInTheProgramsWords) {
  SetTextMenuCaptions("Копирай", "Избери всичко");
  ReadOnlyTextView* view = Show(ReadOnlyTextView::Lines::kOne, "255", {60, 21});
  const auto choose = [view](const QString& caption, QStringList* seen) {
    QTimer::singleShot(0, [caption, seen] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) {
        *seen << action->text() + (action->isEnabled() ? "" : " (off)");
        if (action->text() == caption) menu->setActiveAction(action);
      }
      QTest::keyClick(menu, Qt::Key_Return);
      menu->close();  // where the caption was not there or could not be chosen
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            view->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view, &event);
  };
  QStringList seen;
  choose("Избери всичко", &seen);
  EXPECT_EQ(seen, QStringList({"Копирай (off)", "Избери всичко"})) << "nothing to copy yet";
  EXPECT_EQ(view->SelectedText(), "255");
  QGuiApplication::clipboard()->clear();
  seen.clear();
  choose("Копирай", &seen);
  EXPECT_EQ(seen, QStringList({"Копирай", "Избери всичко"}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "255");
}

}  // namespace
}  // namespace velmora::forms::qt
