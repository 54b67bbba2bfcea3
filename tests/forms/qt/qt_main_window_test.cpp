// The main window as the user sees it, on the Qt backend.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
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
#include <memory>
#include <string>
#include <vector>

#include "forms/qt/message_box.h"
#include "forms/qt/qt_form.h"
#include "forms/qt/widgets.h"
#include "tests/editor/palette_rgb.h"
#include "window/assignment_text.h"
#include "window/main_window.h"

namespace velmora {
namespace {

using forms::qt::GraphicalButton;

const QColor kInkRed(255, 0, 0);

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

  std::unique_ptr<forms::qt::QtForm> form_;
  std::unique_ptr<MainWindow> window_;
};

enum class Kind { kButton, kLabel, kLine, kMultiLine };

struct Expected {
  std::string array;
  int index;
  Kind kind;
  QRect pixels;
  QString text;
};

// The window's controls in pixels, worked out by hand from their twips (15 to a pixel).
std::vector<Expected> ExpectedControls() {
  const QString kRowCaptions[8] = {"Ред 1:  * 1", "Ред 2:  * 2", "Ред 3:  * 4", "Ред 4:  * 8",
                                   "Ред 5:  *16", "Ред 6:  *32", "Ред 7:  *64", "Ред 8:  *128"};
  const QString kValues[8] = {"255", "0", "0", "255", "136", "136", "136", "112"};
  std::vector<Expected> all = {
      {"Label1", 0, Kind::kLabel, {112, 0, 337, 25}, "Velmora"},
      {"Label1", 1, Kind::kLabel, {16, 40, 113, 17}, "Изберете цвят"},
      {"Command3", 0, Kind::kButton, {32, 184, 81, 33}, "Изчисти"},
      {"Label2", 16, Kind::kLabel, {432, 32, 113, 17}, "Сума по колони"},
      {"Text1", 0, Kind::kMultiLine, {8, 256, 537, 145}, {}},
      {"Text1", 1, Kind::kMultiLine, {88, 296, 521, 97}, ""},
      {"Label2", 25, Kind::kLabel, {0, 0, 9, 9}, ""},
  };
  for (int k = 0; k < 48; ++k) {
    all.push_back(
        {"Command1", k, Kind::kButton, {8 + 16 * (k % 8), 64 + 16 * (k / 8), 17, 17}, ""});
  }
  for (int i = 0; i < 64; ++i) {
    all.push_back(
        {"Command2", i, Kind::kButton, {240 + 24 * (i / 8), 56 + 24 * (7 - i % 8), 17, 19}, ""});
  }
  for (int c = 0; c < 8; ++c) {
    all.push_back(
        {"Label2", 8 + c, Kind::kLabel, {240 + 24 * c, 32, 17, 17}, QString::number(c + 1)});
    all.push_back({"Label2", c, Kind::kLabel, {144, 56 + 24 * (7 - c), 89, 17}, kRowCaptions[c]});
    const int height = (c < 2 || c > 5) ? 21 : 19;
    all.push_back({"Label2",
                   17 + c,
                   Kind::kLabel,
                   {448, 56 + 24 * c, 41, height},
                   "К" + QString::number(c + 1)});
    all.push_back({"Text2", c, Kind::kLine, {488, 56 + 24 * c, 57, 21}, kValues[c]});
  }
  return all;
}

QString TextOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
  return {};
}

TEST_F(QtMainWindowTest, EveryControlSitsWhereTheLayoutPutsIt) {
  const std::vector<Expected> expected = ExpectedControls();
  EXPECT_EQ(form_->window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            static_cast<qsizetype>(expected.size()));
  for (const Expected& control : expected) {
    SCOPED_TRACE(control.array + "(" + std::to_string(control.index) + ")");
    const QWidget* widget = Widget(control.array.c_str(), control.index);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), control.pixels);
    switch (control.kind) {
      case Kind::kButton:
        EXPECT_TRUE(qobject_cast<const GraphicalButton*>(widget));
        break;
      case Kind::kLabel:
        EXPECT_TRUE(qobject_cast<const QLabel*>(widget));
        break;
      case Kind::kLine:
        EXPECT_TRUE(qobject_cast<const QLineEdit*>(widget));
        break;
      case Kind::kMultiLine:
        EXPECT_TRUE(qobject_cast<const QPlainTextEdit*>(widget));
        break;
    }
    if (!control.text.isNull()) {
      EXPECT_EQ(TextOf(widget), control.text);
    }
  }
  // The corners of the matrix and the first black of the palette, by name.
  EXPECT_EQ(Widget("Command2", 0)->pos(), QPoint(240, 224));
  EXPECT_EQ(Widget("Command2", 7)->pos(), QPoint(240, 56));
  EXPECT_EQ(Widget("Command2", 56)->pos(), QPoint(408, 224));
  EXPECT_EQ(Widget("Command2", 63)->pos(), QPoint(408, 56));
  EXPECT_EQ(Widget("Command1", 40)->pos(), QPoint(8, 144));

  for (int p = 0; p < 8; ++p) {
    EXPECT_EQ(qobject_cast<QLabel*>(Widget("Label2", p))->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
  }
  EXPECT_EQ(qobject_cast<QLabel*>(Widget("Label2", 16))->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  EXPECT_EQ(qobject_cast<QLineEdit*>(Widget("Text2", 0))->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
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

TEST_F(QtMainWindowTest, ColoursShowExactlyOnScreen) {
  QImage image = Screenshot();
  for (int k = 0; k < kPaletteSize; ++k) {
    EXPECT_EQ(CentreOf(image, Widget("Command1", k)),
              QColor(kPaletteRgb[k].r, kPaletteRgb[k].g, kPaletteRgb[k].b))
        << "palette entry " << k;
  }
  EXPECT_EQ(image.pixelColor(550, 300), QColor(128, 128, 255)) << "window background";
  EXPECT_EQ(image.pixelColor(4, 4), QColor(128, 128, 255)) << "hidden hotspot";
  EXPECT_EQ(image.pixelColor(114, 22), QColor(255, 192, 128)) << "title";
  EXPECT_EQ(image.pixelColor(34, 186), QColor(255, 0, 0)) << "clear button";
  EXPECT_EQ(image.pixelColor(231, 60), QColor(255, 128, 0)) << "row caption";
  EXPECT_EQ(CentreOf(image, Widget("Command2", 0)), QColor(0, 0, 0));
  EXPECT_EQ(CentreOf(image, Widget("Command2", 8)), QColor(255, 255, 255));

  Click(Widget("Command2", 0));
  Click(Widget("Command2", 8));
  image = Screenshot();
  EXPECT_EQ(CentreOf(image, Widget("Command2", 0)), QColor(255, 255, 255));
  EXPECT_EQ(CentreOf(image, Widget("Command2", 8)), QColor(0, 0, 0));

  Click(Widget("Command1", 17));
  image = Screenshot();
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(CentreOf(image, Widget("Command2", i)),
              window_->grid().IsCellOn(i) ? kInkRed : QColor(Qt::white))
        << "cell " << i;
  }
  EXPECT_EQ(CentreOf(image, Widget("Command2", 8)), kInkRed);
}

TEST_F(QtMainWindowTest, ClicksOnRealWidgetsReachTheEditor) {
  Click(Widget("Command2", 0));
  EXPECT_EQ(ValueBox(0), "254");
  EXPECT_EQ(Widget("Command2", 0)->toolTip(), "0");
  Click(Widget("Command2", 8));
  EXPECT_EQ(ValueBox(1), "1");
  EXPECT_EQ(Widget("Command2", 8)->toolTip(), "1");
  Click(Widget("Command1", 17));
  EXPECT_EQ(qobject_cast<GraphicalButton*>(Widget("Command2", 8))->FaceColor(), kInkRed);
  Click(Widget("Command3", 0));
  for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(ValueBox(c), "0") << "column " << c;
  EXPECT_EQ(qobject_cast<GraphicalButton*>(Widget("Command2", 8))->FaceColor(), Qt::white);
}

TEST_F(QtMainWindowTest, ClicksOffTheEditorChangeNothing) {
  int boxes = 0;
  forms::qt::SetMessageBoxAnswerer([&boxes](QMessageBox&) {
    ++boxes;
    return QMessageBox::Ok;
  });
  const auto state = [this] {
    QStringList shown;
    for (int c = 0; c < kColumnCount; ++c) shown << ValueBox(c);
    for (int i = 0; i < kCellCount; ++i) {
      shown << qobject_cast<GraphicalButton*>(Widget("Command2", i))->FaceColor().name()
            << Widget("Command2", i)->toolTip();
    }
    return shown;
  };
  const QStringList before = state();
  for (QWidget* widget : {Widget("Command1", 0), Widget("Command1", 8), Widget("Label1", 0),
                          Widget("Label1", 1), Widget("Label2", 24), Widget("Label2", 3),
                          Widget("Label2", 16), Widget("Text2", 0), Widget("Text1", 0)}) {
    Click(widget);
  }
  EXPECT_EQ(state(), before);
  EXPECT_EQ(boxes, 0);
  EXPECT_FALSE(Widget("Command1", 0)->isEnabled());
  EXPECT_FALSE(Widget("Command1", 8)->isEnabled());
  EXPECT_TRUE(Widget("Command1", 8)->isVisible());
  EXPECT_FALSE(Widget("Text1", 1)->isVisible());
  EXPECT_TRUE(qobject_cast<QLineEdit*>(Widget("Text2", 0))->isReadOnly());
}

TEST_F(QtMainWindowTest, TabWalksTheControlsInOrderFromTheFirstEnabledOne) {
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
}

TEST_F(QtMainWindowTest, HotspotOpensTheNoteOnceForEachClick) {
  struct Seen {
    QString text, title;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton default_button;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
  };
  std::vector<Seen> seen;
  forms::qt::SetMessageBoxAnswerer([&seen](QMessageBox& box) {
    QList<QMessageBox::StandardButton> buttons;
    for (QAbstractButton* button : box.buttons()) buttons << box.standardButton(button);
    seen.push_back({box.text(), box.windowTitle(), buttons, box.standardButton(box.defaultButton()),
                    box.icon(), box.windowModality()});
    return seen.size() == 1 ? QMessageBox::Ok : QMessageBox::Cancel;
  });
  QWidget* hotspot = Widget("Label2", 25);
  EXPECT_EQ(hotspot->toolTip(), "Великденско яйце");
  Click(hotspot);
  form_->window()->setWindowTitle("друго заглавие");
  Click(hotspot);
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& box : seen) {
    EXPECT_EQ(box.text, "В това приложение липсва\nописание на сорс кода!");
    EXPECT_EQ(box.buttons.size(), 2);
    EXPECT_TRUE(box.buttons.contains(QMessageBox::Ok));
    EXPECT_TRUE(box.buttons.contains(QMessageBox::Cancel));
    EXPECT_EQ(box.default_button, QMessageBox::Ok);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
  }
  EXPECT_EQ(seen[0].title, "www.velmora.example.com Velmora");
  EXPECT_EQ(seen[1].title, "друго заглавие");
}

TEST_F(QtMainWindowTest, AssignmentTextShowsTwentyEightLines) {
  auto* box = qobject_cast<QPlainTextEdit*>(Widget("Text1", 0));
  ASSERT_NE(box, nullptr);
  const QTextDocument* document = box->document();
  ASSERT_EQ(document->blockCount(), 29) << "28 lines, each ended by a line break";
  for (int line = 0; line < 28; ++line) {
    EXPECT_EQ(document->findBlockByNumber(line).text(),
              QString::fromUtf8(kAssignmentLines[line].data(),
                                static_cast<qsizetype>(kAssignmentLines[line].size())))
        << "line " << line + 1;
  }
  EXPECT_EQ(document->lastBlock().text(), "");
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0) << "the text is longer than the box";
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
  QWidget* cell = Widget("Command2", 3);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(cell)->role(), QAccessible::Button);
  EXPECT_EQ(accessible(cell, QAccessible::Name), "Клетка: колона 1, ред 4");
  EXPECT_EQ(accessible(cell, QAccessible::Description), "8");
  Click(cell);
  EXPECT_EQ(accessible(cell, QAccessible::Description), "0");
  EXPECT_EQ(accessible(Widget("Command1", 1), QAccessible::Name),
            "Цвят на мастилото: червено 255, зелено 192, синьо 192");
  EXPECT_EQ(accessible(Widget("Text2", 4), QAccessible::Name), "Сума на колона К5");
  EXPECT_EQ(accessible(Widget("Command3", 0), QAccessible::Name), "Изчисти");
}

}  // namespace
}  // namespace velmora
