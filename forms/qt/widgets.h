#pragma once

#include <QAbstractButton>
#include <QAccessibleWidget>
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
  /// A button that toggles tells screen readers its state, as a check box: on or off. Only
  /// the program sets it; a click does not.
  void SetToggles(bool toggles) { toggles_ = toggles; }
  bool Toggles() const { return toggles_; }
  void SetOn(bool on);
  bool IsOn() const { return on_; }
  /// What screen readers read after the name; a change is told to them.
  void SetDescription(const QString& description);
  const QString& Description() const { return description_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor face_;
  bool toggles_ = false;
  bool on_ = false;
  QString description_;
};

/// What screen readers are told of a graphical button: a push button, or a check box with
/// its state when it toggles; pressing it is its action.
class AccessibleGraphicalButton : public QAccessibleWidget {
 public:
  explicit AccessibleGraphicalButton(GraphicalButton* button);

  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  /// The name the program gave it, else its caption; its description, else its tooltip.
  QString text(QAccessible::Text text) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 private:
  GraphicalButton* button() const;
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
