#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace velmora::forms::qt {

/// What a read-only text box shows, as screen readers are told it: its text, its caret, its
/// selection and where its lines and characters are. Offsets count UTF-16 units of Text().
class TextView {
 public:
  virtual QString Text() const = 0;
  virtual int Caret() const = 0;
  virtual void SetCaret(int offset) = 0;
  /// The selection's start and end; both the caret when nothing is selected.
  virtual void GetSelection(int* start, int* end) const = 0;
  /// Selects from `start` to `end` (caret at `end`); both within the text.
  virtual void Select(int start, int end) = 0;
  /// Where the lines the box shows start, ascending, the first 0.
  virtual QList<int> LineStarts() const = 0;
  /// The character at `offset` on the screen.
  virtual QRect CharacterRect(int offset) const = 0;
  /// The offset of the character at `point` on the screen; -1 when the box is not there.
  virtual int OffsetAt(const QPoint& point) const = 0;

 protected:
  ~TextView() = default;  // a box is destroyed as the widget it is
};

/// The accessible text of a read-only text box: the text as it is shown, read by character,
/// word, sentence, line or paragraph at any offset. Every answer comes at once: an offset
/// outside the text gets an empty piece there, an offset inside a piece that piece whole (at
/// the very end, the last one: reading by word or line there reads the last word or line).
/// There is no editable text: nothing a screen reader says can change what the box shows.
class AccessibleReadOnlyText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  AccessibleReadOnlyText(QWidget* widget, TextView* view, QAccessible::Role role);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text text) const override;
  void setText(QAccessible::Text, const QString&) override {}  // read-only for every client

  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override;
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                           int* end) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                          int* end) const override;

 private:
  TextView* view_;
};

}  // namespace velmora::forms::qt
