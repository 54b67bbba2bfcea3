#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "forms/qt/accessible_text.h"

namespace velmora::forms::qt {

/// A read-only box of one line. Its number is read whole: the focus selects nothing (a
/// screen reader would read the selection as well as the line) and leaves the caret where it
/// was, and screen readers get the box's own accessible text (AccessibleReadOnlyText).
class ReadOnlyLineEdit : public QLineEdit, public TextView {
  Q_OBJECT
 public:
  explicit ReadOnlyLineEdit(QWidget* parent);

  QString Text() const override { return text(); }
  int Caret() const override { return cursorPosition(); }
  void SetCaret(int offset) override { setCursorPosition(offset); }
  void GetSelection(int* start, int* end) const override;
  void Select(int start, int end) override { setSelection(start, end - start); }
  QList<int> LineStarts() const override { return {0}; }
  QRect CharacterRect(int offset) const override;
  int OffsetAt(const QPoint& point) const override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

/// A read-only box of several lines with a vertical scroll bar; Tab leaves it. Screen
/// readers get the box's own accessible text, by the lines it shows.
class ReadOnlyTextEdit : public QPlainTextEdit, public TextView {
  Q_OBJECT
 public:
  explicit ReadOnlyTextEdit(QWidget* parent);

  QString Text() const override { return toPlainText(); }
  int Caret() const override { return textCursor().position(); }
  void SetCaret(int offset) override;
  void GetSelection(int* start, int* end) const override;
  void Select(int start, int end) override;
  QList<int> LineStarts() const override;
  QRect CharacterRect(int offset) const override;
  int OffsetAt(const QPoint& point) const override;
};

}  // namespace velmora::forms::qt
