#include "forms/qt/widgets.h"

#include <QMouseEvent>
#include <QPainter>

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

void GraphicalButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, face_);

  // A raised frame, sunk while pressed; greyed while the button takes no clicks.
  const QColor light = isEnabled() ? Qt::white : Qt::gray;
  const QColor dark = isEnabled() ? Qt::black : Qt::gray;
  const bool sunk = isDown();
  painter.setPen(sunk ? dark : light);
  painter.drawLine(face.topLeft(), face.topRight());
  painter.drawLine(face.topLeft(), face.bottomLeft());
  painter.setPen(sunk ? light : dark);
  painter.drawLine(face.bottomLeft(), face.bottomRight());
  painter.drawLine(face.topRight(), face.bottomRight());

  if (!text().isEmpty()) {
    painter.setPen(isEnabled() ? Qt::black : Qt::gray);
    painter.drawText(face.translated(sunk ? 1 : 0, sunk ? 1 : 0), Qt::AlignCenter, text());
  }
  if (hasFocus()) {
    QPen focus(Qt::black, 1, Qt::DotLine);
    painter.setPen(focus);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(2, 2, -3, -3));
  }
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
