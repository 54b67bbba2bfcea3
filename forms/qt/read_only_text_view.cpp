#include "forms/qt/read_only_text_view.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::forms::qt {

namespace {

// The blank around the text: of a line, as Qt's line edits keep it; of several lines, as
// Qt's text edits keep it around their document.
constexpr int kLineMarginX = 2;
constexpr int kLineMarginY = 1;
constexpr int kWrappedMargin = 4;

QString g_copy_caption = QStringLiteral("Copy");
QString g_select_all_caption = QStringLiteral("Select All");

enum class Step {
  kNextCharacter,
  kPreviousCharacter,
  kNextWord,
  kPreviousWord,
  kLineStart,
  kLineEnd,
  kNextLine,
  kPreviousLine,
  kNextPage,
  kPreviousPage,
  kTextStart,
  kTextEnd,
};

// The platform's keys that move the caret, and those that select as they move.
struct StepKeys {
  QKeySequence::StandardKey move;
  QKeySequence::StandardKey select;
  Step step;
};
constexpr StepKeys kStepKeys[] = {
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::kNextCharacter},
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::kPreviousCharacter},
    {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Step::kNextWord},
    {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Step::kPreviousWord},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::kLineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::kLineEnd},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Step::kNextLine},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Step::kPreviousLine},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Step::kNextPage},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Step::kPreviousPage},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::kTextStart},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::kTextEnd},
};

bool IsVertical(Step step) {
  return step == Step::kNextLine || step == Step::kPreviousLine || step == Step::kNextPage ||
         step == Step::kPreviousPage;
}

}  // namespace

void SetTextMenuCaptions(const std::string& copy, const std::string& select_all) {
  g_copy_caption = QString::fromStdString(copy);
  g_select_all_caption = QString::fromStdString(select_all);
}

ReadOnlyTextView::ReadOnlyTextView(QWidget* parent, Lines lines) : QWidget(parent), lines_(lines) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  if (lines_ == Lines::kWrapped) {
    scroll_bar_ = new QScrollBar(Qt::Vertical, this);
    scroll_bar_->setFocusPolicy(Qt::NoFocus);
    scroll_bar_->setCursor(Qt::ArrowCursor);
    connect(scroll_bar_, &QScrollBar::valueChanged, this, [this] { update(); });
  }
}

ReadOnlyTextView::~ReadOnlyTextView() = default;

void ReadOnlyTextView::SetText(const QString& text) {
  if (text == text_) return;
  const QString old = std::exchange(text_, text);
  // As Qt's boxes do: the caret of a line goes to its end, that of several lines to the top.
  caret_ = anchor_ = lines_ == Lines::kOne ? static_cast<int>(text_.size()) : 0;
  Relayout();
  if (scroll_bar_) scroll_bar_->setValue(0);
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent event(this, 0, old, text_);
    QAccessible::updateAccessibility(&event);
  }
}

void ReadOnlyTextView::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  Relayout();
}

QString ReadOnlyTextView::SelectedText() const {
  const auto [start, end] = std::minmax(anchor_, caret_);
  return text_.mid(start, end - start);
}

void ReadOnlyTextView::GetSelection(int* start, int* end) const {
  std::tie(*start, *end) = std::minmax(anchor_, caret_);
}

void ReadOnlyTextView::Select(int start, int end) {
  const int length = static_cast<int>(text_.size());
  anchor_ = std::clamp(start, 0, length);
  MoveCaret(end, true);
}

QList<int> ReadOnlyTextView::LineStarts() const {
  const QTextLayout& layout = Layout();
  QList<int> starts;
  for (int i = 0; i < layout.lineCount(); ++i) starts << layout.lineAt(i).textStart();
  if (starts.isEmpty()) starts << 0;
  return starts;
}

QRect ReadOnlyTextView::CharacterRect(int offset) const {
  const QTextLine line = Layout().lineForTextPosition(offset);
  if (offset < 0 || offset >= text_.size() || !line.isValid()) return {};
  const qreal left = line.cursorToX(offset);
  qreal right = offset < LineBounds(offset).second ? line.cursorToX(offset + 1) : left;
  if (right <= left) right = left + fontMetrics().averageCharWidth();  // a line break
  const QPointF origin = LayoutOrigin();
  const QRect local =
      QRectF(origin.x() + left, origin.y() + line.y(), right - left, line.height()).toAlignedRect();
  return QRect(mapToGlobal(local.topLeft()), local.size());
}

int ReadOnlyTextView::OffsetAt(const QPoint& point) const {
  const QPoint local = mapFromGlobal(point);
  return rect().contains(local) ? OffsetAtLocal(local) : -1;
}

int ReadOnlyTextView::FrameWidth() const {
  QStyleOptionFrame option;
  option.initFrom(this);
  return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
}

QRect ReadOnlyTextView::TextArea() const {
  const int frame = FrameWidth();
  QRect area = rect().adjusted(frame, frame, -frame, -frame);
  if (scroll_bar_) {
    area.setRight(area.right() -
                  style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_bar_));
  } else {
    area.adjust(kLineMarginX, kLineMarginY, -kLineMarginX, -kLineMarginY);
  }
  return area;
}

const QTextLayout& ReadOnlyTextView::Layout() const {
  if (layout_) return *layout_;
  // Line breaks as the layout knows them; the length and so every offset stay the same.
  QString shown = text_;
  shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  layout_ = std::make_unique<QTextLayout>(shown, font(), this);
  QTextOption option(lines_ == Lines::kOne ? alignment_ : Qt::AlignLeft);
  option.setWrapMode(lines_ == Lines::kOne ? QTextOption::NoWrap
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout_->setTextOption(option);
  layout_->setCacheEnabled(true);
  const QRect area = TextArea();
  const int width = lines_ == Lines::kOne ? area.width() : area.width() - 2 * kWrappedMargin;
  qreal height = 0;
  layout_->beginLayout();
  for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
    line.setLineWidth(std::max(width, 1));
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout_->endLayout();
  if (scroll_bar_) {
    const int content = static_cast<int>(std::ceil(height)) + 2 * kWrappedMargin;
    scroll_bar_->setRange(0, std::max(0, content - area.height()));
    scroll_bar_->setPageStep(area.height());
    scroll_bar_->setSingleStep(fontMetrics().lineSpacing());
  }
  return *layout_;
}

void ReadOnlyTextView::Relayout() {
  layout_.reset();
  update();
}

QPointF ReadOnlyTextView::LayoutOrigin() const {
  const QRect area = TextArea();
  const QTextLayout& layout = Layout();
  if (lines_ == Lines::kWrapped) {
    return QPointF(area.left() + kWrappedMargin,
                   area.top() + kWrappedMargin - scroll_bar_->value());
  }
  // One line sits in the middle of the box's height, as in Qt's line edits.
  const int height =
      layout.lineCount() > 0 ? qCeil(layout.lineAt(0).height()) : fontMetrics().height();
  return QPointF(area.left(), area.top() + (area.height() - height) / 2);
}

int ReadOnlyTextView::OffsetAtLocal(QPointF point) const {
  const QTextLayout& layout = Layout();
  if (layout.lineCount() == 0) return 0;
  const QPointF at = point - LayoutOrigin();
  int number = 0;
  while (number + 1 < layout.lineCount() && layout.lineAt(number + 1).y() <= at.y()) ++number;
  const QTextLine line = layout.lineAt(number);
  return std::min(line.xToCursor(at.x()), LineBounds(line.textStart()).second);
}

std::pair<int, int> ReadOnlyTextView::LineBounds(int offset) const {
  const QTextLayout& layout = Layout();
  QTextLine line = layout.lineForTextPosition(offset);
  if (!line.isValid()) line = layout.lineAt(layout.lineCount() - 1);
  if (!line.isValid()) return {0, 0};
  const int start = line.textStart();
  int end = start + line.textLength();
  // The caret goes last before the line break or the blank where the line wraps, which
  // belong to the line but would put the caret on the next one.
  const bool last = line.lineNumber() + 1 == layout.lineCount();
  if (end > start && !last && (text_[end - 1] == QLatin1Char('\n') || text_[end - 1].isSpace())) {
    --end;
  }
  return {start, end};
}

int ReadOnlyTextView::LinesPerPage() const {
  return std::max(1, TextArea().height() / std::max(1, fontMetrics().lineSpacing()));
}

void ReadOnlyTextView::MoveCaret(int offset, bool keep_anchor) {
  const int length = static_cast<int>(text_.size());
  const int old_caret = caret_, old_anchor = anchor_;
  caret_ = std::clamp(offset, 0, length);
  if (!keep_anchor) anchor_ = caret_;
  const bool selection_changed = (anchor_ != caret_ || old_anchor != old_caret) &&
                                 std::minmax(anchor_, caret_) != std::minmax(old_anchor, old_caret);
  if (caret_ == old_caret && !selection_changed) return;
  ScrollToCaret();
  update();
  if (!selecting_) OfferSelection();  // a drag offers it once, as the button comes up
  if (!QAccessible::isActive()) return;
  // The selection first, then the caret, as Qt's own boxes tell them: a screen reader speaks
  // the newly selected text as the caret moves.
  if (selection_changed) {
    const auto [start, end] = std::minmax(anchor_, caret_);
    QAccessibleTextSelectionEvent event(this, start, end);
    event.setCursorPosition(caret_);
    QAccessible::updateAccessibility(&event);
  }
  if (caret_ != old_caret) {
    QAccessibleTextCursorEvent event(this, caret_);
    QAccessible::updateAccessibility(&event);
  }
}

void ReadOnlyTextView::SelectWordAt(int offset) {
  QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text_);
  finder.setPosition(offset);
  const qsizetype start = finder.isAtBoundary() ? offset : finder.toPreviousBoundary();
  finder.setPosition(offset);
  const qsizetype end = finder.toNextBoundary();
  Select(static_cast<int>(std::max<qsizetype>(start, 0)),
         end < 0 ? static_cast<int>(text_.size()) : static_cast<int>(end));
}

void ReadOnlyTextView::ScrollToCaret() {
  if (!scroll_bar_) return;
  const QTextLine line = Layout().lineForTextPosition(caret_);
  if (!line.isValid()) return;
  const int top = qFloor(line.y());
  const int bottom = qCeil(line.y() + line.height()) + 2 * kWrappedMargin;
  const int shown = TextArea().height();
  if (top < scroll_bar_->value()) {
    scroll_bar_->setValue(top);
  } else if (bottom > scroll_bar_->value() + shown) {
    scroll_bar_->setValue(bottom - shown);
  }
}

void ReadOnlyTextView::OfferSelection() const {
  if (anchor_ != caret_ && QGuiApplication::clipboard()->supportsSelection()) {
    QGuiApplication::clipboard()->setText(SelectedText(), QClipboard::Selection);
  }
}

void ReadOnlyTextView::Copy() const {
  if (anchor_ != caret_) QGuiApplication::clipboard()->setText(SelectedText());
}

bool ReadOnlyTextView::MoveByKey(QKeyEvent* event) {
  for (const StepKeys& keys : kStepKeys) {
    const bool select = event->matches(keys.select);
    if (!select && !event->matches(keys.move)) continue;
    // A box of one line leaves the keys for lines and pages to the window, as Qt's do.
    if (lines_ == Lines::kOne && IsVertical(keys.step)) return false;
    const QTextLayout& layout = Layout();
    const int length = static_cast<int>(text_.size());
    int target = caret_;
    const auto vertical = [&](int lines) {
      const QTextLine line = layout.lineForTextPosition(caret_);
      if (!line.isValid()) return caret_;
      const int number = std::clamp(line.lineNumber() + lines, 0, layout.lineCount() - 1);
      if (number == line.lineNumber()) {
        // On the first or last line, a page goes to the text's start or end.
        const bool page = keys.step == Step::kNextPage || keys.step == Step::kPreviousPage;
        return page ? (lines < 0 ? 0 : length) : caret_;
      }
      const QTextLine to = layout.lineAt(number);
      return std::min(to.xToCursor(line.cursorToX(caret_)), LineBounds(to.textStart()).second);
    };
    switch (keys.step) {
      case Step::kNextCharacter:
        target = layout.nextCursorPosition(caret_);
        break;
      case Step::kPreviousCharacter:
        target = layout.previousCursorPosition(caret_);
        break;
      case Step::kNextWord:
        target = layout.nextCursorPosition(caret_, QTextLayout::SkipWords);
        break;
      case Step::kPreviousWord:
        target = layout.previousCursorPosition(caret_, QTextLayout::SkipWords);
        break;
      case Step::kLineStart:
        target = LineBounds(caret_).first;
        break;
      case Step::kLineEnd:
        target = LineBounds(caret_).second;
        break;
      case Step::kNextLine:
        target = vertical(1);
        break;
      case Step::kPreviousLine:
        target = vertical(-1);
        break;
      case Step::kNextPage:
        target = vertical(LinesPerPage());
        break;
      case Step::kPreviousPage:
        target = vertical(-LinesPerPage());
        break;
      case Step::kTextStart:
        target = 0;
        break;
      case Step::kTextEnd:
        target = length;
        break;
    }
    MoveCaret(target, select);
    return true;
  }
  return false;
}

void ReadOnlyTextView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = FrameWidth();
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

  const QRect area = TextArea();
  painter.setClipRect(area);
  painter.setPen(palette().color(QPalette::Text));
  QList<QTextLayout::FormatRange> selections;
  if (anchor_ != caret_) {
    QTextLayout::FormatRange selected;
    std::tie(selected.start, selected.length) = std::minmax(anchor_, caret_);
    selected.length -= selected.start;
    selected.format.setBackground(palette().brush(QPalette::Highlight));
    selected.format.setForeground(palette().brush(QPalette::HighlightedText));
    selections << selected;
  }
  const QPointF origin = LayoutOrigin();
  Layout().draw(&painter, origin, selections, area);
  if (hasFocus()) Layout().drawCursor(&painter, origin, caret_);
}

void ReadOnlyTextView::PlaceScrollBar() {
  if (!scroll_bar_) return;
  const int frame = FrameWidth();
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_bar_);
  scroll_bar_->setGeometry(width() - frame - extent, frame, extent, height() - 2 * frame);
}

void ReadOnlyTextView::resizeEvent(QResizeEvent* event) {
  PlaceScrollBar();
  Relayout();
  QWidget::resizeEvent(event);
}

void ReadOnlyTextView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::StyleChange) PlaceScrollBar();
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
  QWidget::changeEvent(event);
}

void ReadOnlyTextView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    Copy();
  } else if (event->matches(QKeySequence::SelectAll)) {
    Select(0, static_cast<int>(text_.size()));
  } else if (!MoveByKey(event)) {
    event->ignore();  // Tab, Escape, the window's own keys
  }
}

void ReadOnlyTextView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  MoveCaret(OffsetAtLocal(event->position()), event->modifiers() & Qt::ShiftModifier);
  selecting_ = true;
}

void ReadOnlyTextView::mouseMoveEvent(QMouseEvent* event) {
  if (selecting_ && (event->buttons() & Qt::LeftButton)) {
    MoveCaret(OffsetAtLocal(event->position()), true);
  }
}

void ReadOnlyTextView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !selecting_) return QWidget::mouseReleaseEvent(event);
  selecting_ = false;
  OfferSelection();
}

void ReadOnlyTextView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  SelectWordAt(OffsetAtLocal(event->position()));
}

void ReadOnlyTextView::wheelEvent(QWheelEvent* event) {
  if (scroll_bar_) {
    QCoreApplication::sendEvent(scroll_bar_, event);
  } else {
    event->ignore();
  }
}

void ReadOnlyTextView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(g_copy_caption);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutVisibleInContextMenu(true);
  copy->setEnabled(anchor_ != caret_);
  QAction* select_all = menu.addAction(g_select_all_caption);
  select_all->setShortcut(QKeySequence::SelectAll);
  select_all->setShortcutVisibleInContextMenu(true);
  select_all->setEnabled(!text_.isEmpty());
  const QAction* chosen = menu.exec(event->globalPos());
  if (chosen == copy) Copy();
  if (chosen == select_all) Select(0, static_cast<int>(text_.size()));
}

}  // namespace velmora::forms::qt
