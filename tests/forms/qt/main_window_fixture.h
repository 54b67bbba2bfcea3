// The main window on the Qt backend, made and shown as the program makes it: what its
// tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "forms/qt/message_box.h"
#include "forms/qt/qt_form.h"
#include "forms/qt/widgets.h"
#include "window/main_window.h"

namespace velmora {

using forms::qt::GraphicalButton;

inline const QColor kWindowColor(128, 128, 255);

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

inline QString TextOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
  if (auto* box = qobject_cast<const QPlainTextEdit*>(widget)) return box->toPlainText();
  return {};
}

}  // namespace velmora
