#pragma once

#include <QTextLayout>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>

#include "forms/qt/accessible_text.h"

class QScrollBar;

namespace velmora::forms::qt {

/// The captions of the text boxes' context menu, in the program's language.
void SetTextMenuCaptions(const std::string& copy, const std::string& select_all);

/// A read-only text box that the program paints: one line, or several wrapped at word
/// boundaries with Qt's vertical scroll bar beside them. The user selects its text with the
/// mouse or the keyboard (the platform's keys for moving and selecting) and copies it with
/// the platform's copy key or the context menu; Tab passes through it.
///
/// It lays its text out only when it is painted, or when the keyboard, the mouse or a screen
/// reader asks where a character is. Qt's own text widgets lay their text out as they are
/// made, so a window of them starts the font machinery before it can be shown; this one lets
/// the window appear first. Screen readers get the box's own accessible text
/// (AccessibleReadOnlyText) and are told of every move of the caret and the selection.
class ReadOnlyTextView : public QWidget, public TextView {
  Q_OBJECT
 public:
  enum class Lines { kOne, kWrapped };

  ReadOnlyTextView(QWidget* parent, Lines lines);
  ~ReadOnlyTextView() override;

  void SetText(const QString& text);
  /// Where a line sits across the box: Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
  void SetAlignment(Qt::Alignment alignment);
  Qt::Alignment Alignment() const { return alignment_; }
  bool IsMultiLine() const { return lines_ == Lines::kWrapped; }
  /// The vertical scroll bar of a box of several lines; none for one line.
  QScrollBar* ScrollBar() const { return scroll_bar_; }
  QString SelectedText() const;

  QString Text() const override { return text_; }
  int Caret() const override { return caret_; }
  void SetCaret(int offset) override { MoveCaret(offset, false); }
  void GetSelection(int* start, int* end) const override;
  void Select(int start, int end) override;
  QList<int> LineStarts() const override;
  QRect CharacterRect(int offset) const override;
  int OffsetAt(const QPoint& point) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int FrameWidth() const;
  /// Puts the scroll bar at the right, inside the frame.
  void PlaceScrollBar();
  /// Where the text is shown, inside the frame, its margins and the scroll bar.
  QRect TextArea() const;
  /// The text laid out for the box's present width and font.
  const QTextLayout& Layout() const;
  void Relayout();
  /// Where the layout's origin is in the box, as it is scrolled.
  QPointF LayoutOrigin() const;
  int OffsetAtLocal(QPointF point) const;
  /// The offsets where the line with `offset` starts and where its caret can go last.
  std::pair<int, int> LineBounds(int offset) const;
  int LinesPerPage() const;
  /// Moves the caret to `offset`; with `keep_anchor` the selection runs from the anchor to it.
  void MoveCaret(int offset, bool keep_anchor);
  void SelectWordAt(int offset);
  void ScrollToCaret();
  /// Where the platform has a selection clipboard (X11's primary), the selected text goes there.
  void OfferSelection() const;
  void Copy() const;
  bool MoveByKey(QKeyEvent* event);

  Lines lines_;
  QString text_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  int caret_ = 0;
  int anchor_ = 0;
  bool selecting_ = false;  // the left button went down in the box and is still down
  QScrollBar* scroll_bar_ = nullptr;
  mutable std::unique_ptr<QTextLayout> layout_;  // none until it is needed
};

}  // namespace velmora::forms::qt
