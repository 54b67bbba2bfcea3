#include "forms/qt/text_boxes.h"

#include <QTextBlock>
#include <QTextLayout>

namespace velmora::forms::qt {

ReadOnlyLineEdit::ReadOnlyLineEdit(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
}

void ReadOnlyLineEdit::focusInEvent(QFocusEvent* event) {
  // QLineEdit selects all its text when Tab brings the focus, and only then.
  QFocusEvent other(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&other);
}

void ReadOnlyLineEdit::GetSelection(int* start, int* end) const {
  if (hasSelectedText()) {
    *start = selectionStart();
    *end = selectionEnd();
  } else {
    *start = *end = cursorPosition();
  }
}

QRect ReadOnlyLineEdit::CharacterRect(int offset) const {
  // Where QLineEdit lays out its one line: within its frame and margins, aligned as set.
  const QRect inside = contentsRect().marginsRemoved(textMargins()).adjusted(2, 1, -2, -1);
  const QFontMetrics metrics = fontMetrics();
  const QString shown = text();
  const int width = metrics.horizontalAdvance(shown);
  int left = inside.left();
  if (alignment() & Qt::AlignHCenter) left += (inside.width() - width) / 2;
  if (alignment() & Qt::AlignRight) left = inside.right() - width;
  const int x = left + metrics.horizontalAdvance(shown.left(offset));
  const int top = inside.top() + (inside.height() - metrics.height()) / 2;
  const QRect local(x, top, metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
  return QRect(mapToGlobal(local.topLeft()), local.size());
}

int ReadOnlyLineEdit::OffsetAt(const QPoint& point) const {
  const QPoint local = mapFromGlobal(point);
  // QLineEdit::cursorPositionAt only looks, though it is not declared const.
  return rect().contains(local) ? const_cast<ReadOnlyLineEdit*>(this)->cursorPositionAt(local) : -1;
}

ReadOnlyTextEdit::ReadOnlyTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

void ReadOnlyTextEdit::SetCaret(int offset) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(offset);
  setTextCursor(cursor);
}

void ReadOnlyTextEdit::GetSelection(int* start, int* end) const {
  const QTextCursor cursor = textCursor();
  *start = cursor.selectionStart();
  *end = cursor.selectionEnd();
}

void ReadOnlyTextEdit::Select(int start, int end) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

QList<int> ReadOnlyTextEdit::LineStarts() const {
  QList<int> starts;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) {
      starts << block.position();  // not laid out yet: one line
      continue;
    }
    for (int line = 0; line < layout->lineCount(); ++line) {
      starts << block.position() + layout->lineAt(line).textStart();
    }
  }
  return starts;
}

QRect ReadOnlyTextEdit::CharacterRect(int offset) const {
  QTextCursor cursor(document());
  cursor.setPosition(offset);
  const QRect caret = cursorRect(cursor);
  cursor.setPosition(offset + 1);
  const QRect next = cursorRect(cursor);
  const int width = next.top() == caret.top() && next.left() > caret.left()
                        ? next.left() - caret.left()
                        : fontMetrics().averageCharWidth();
  return QRect(viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height()));
}

int ReadOnlyTextEdit::OffsetAt(const QPoint& point) const {
  const QPoint local = viewport()->mapFromGlobal(point);
  return viewport()->rect().contains(local) ? cursorForPosition(local).position() : -1;
}

}  // namespace velmora::forms::qt
