// What screen readers are told of every control, and how they read the value boxes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <utility>

#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

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
  // The one selection a client adds is clamped to the text; scrolling to a piece changes
  // nothing.
  text->addSelection(-1, 99);
  text->selection(0, &start, &end);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 3));
  text->scrollToSubstring(0, 2);
  EXPECT_EQ(box->text(), "112");
  EXPECT_EQ(box->selectedText(), "112");
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
