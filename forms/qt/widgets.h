#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QLabel>

namespace velmora::forms::qt {

/// A push button in graphical style: its whole face shows its background colour, with a
/// thin frame, an optional caption and a dotted focus mark, whatever style the platform has.
/// Painting it ourselves keeps it cheap to create and exact in colour. Space, Return and
/// Enter click it while it has the focus.
class GraphicalButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit GraphicalButton(QWidget* parent);
  void SetFaceColor(const QColor& color);
  QColor FaceColor() const { return face_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor face_;
};

/// A label that reports a click: press and release of the left button on it.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace velmora::forms::qt
