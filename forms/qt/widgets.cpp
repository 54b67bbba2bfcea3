#include "forms/qt/widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/button_face.h"
#include "forms/qt/accessibility.h"
#include "forms/qt/qt_form.h"

namespace velmora::forms::qt {

GraphicalButton::GraphicalButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphicalButton::SetFaceColor(const QColor& color) {
  if (face_ == color) return;
  face_ = color;
  update();
}

void GraphicalButton::SetOn(bool on) {
  if (on_ == on) return;
  on_ = on;
  if (toggles_) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void GraphicalButton::SetDescription(const QString& description) {
  if (description_ == description) return;
  description_ = description;
  TellDescriptionChanged(this);
}

void GraphicalButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), face_);
  const bool sunk = isDown();

  // The frame is laid on whole device pixels, so that at any scale it covers the outermost
  // ones and its two halves are equally thick.
  const qreal ratio = devicePixelRatioF();
  const ButtonFace look =
      ButtonFace::Of(Rgb(face_.red(), face_.green(), face_.blue()), isEnabled(), sunk, ratio);
  const int thickness = look.frame_thickness;
  const int width = qRound(this->width() * ratio), height = qRound(this->height() * ratio);
  const QColor top_left = ToQColor(look.top_left), bottom_right = ToQColor(look.bottom_right);
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  painter.fillRect(0, 0, width, thickness, top_left);
  painter.fillRect(0, 0, thickness, height, top_left);
  painter.fillRect(0, height - thickness, width, thickness, bottom_right);
  painter.fillRect(width - thickness, 0, thickness, height, bottom_right);
  painter.restore();

  if (!text().isEmpty()) {
    painter.setPen(ToQColor(look.caption));
    painter.drawText(rect().translated(sunk ? 1 : 0, sunk ? 1 : 0), Qt::AlignCenter, text());
  }
  if (hasFocus()) {
    painter.setPen(QPen(ToQColor(look.focus_mark), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void GraphicalButton::keyPressEvent(QKeyEvent* event) {
  // A focused push button answers Return and Enter as it answers Space.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

AccessibleGraphicalButton::AccessibleGraphicalButton(GraphicalButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

GraphicalButton* AccessibleGraphicalButton::button() const {
  return static_cast<GraphicalButton*>(widget());
}

QAccessible::Role AccessibleGraphicalButton::role() const {
  return button()->Toggles() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State AccessibleGraphicalButton::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.pressed = button()->isDown();
  if (button()->Toggles()) {
    state.checkable = true;
    state.checked = button()->IsOn();
  }
  return state;
}

QString AccessibleGraphicalButton::text(QAccessible::Text text) const {
  if (text == QAccessible::Description && !button()->Description().isEmpty()) {
    return button()->Description();
  }
  QString said = QAccessibleWidget::text(text);
  if (text == QAccessible::Name && said.isEmpty()) said = button()->text();
  return said;
}

QStringList AccessibleGraphicalButton::actionNames() const {
  return {pressAction()};
}

void AccessibleGraphicalButton::doAction(const QString& action) {
  if (action == pressAction()) button()->click();  // Qt clicks no disabled button
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace velmora::forms::qt
