#include "forms/qt/accessible_text.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace velmora::forms::qt {

namespace {

// The offsets where the pieces of `type` start in `text`, ascending, from 0 to the text's
// length, both included. A word runs from its start to the next word's start, blanks after
// it included, as AT-SPI reads words.
std::vector<int> PieceStarts(const QString& text, QAccessible::TextBoundaryType type,
                             const TextView& view) {
  const int length = static_cast<int>(text.size());
  std::vector<int> starts{0};
  const auto finder_starts = [&](QTextBoundaryFinder::BoundaryType kind, bool word_starts_only) {
    QTextBoundaryFinder finder(kind, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < length;
         at = finder.toNextBoundary()) {
      if (!word_starts_only || (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem)) {
        starts.push_back(static_cast<int>(at));
      }
    }
  };
  switch (type) {
    case QAccessible::CharBoundary:
      finder_starts(QTextBoundaryFinder::Grapheme, false);
      break;
    case QAccessible::WordBoundary:
      finder_starts(QTextBoundaryFinder::Word, true);
      break;
    case QAccessible::SentenceBoundary:
      finder_starts(QTextBoundaryFinder::Sentence, false);
      break;
    case QAccessible::ParagraphBoundary:
      for (int at = 0; at < length; ++at) {
        if (text[at] == QLatin1Char('\n') && at + 1 < length) starts.push_back(at + 1);
      }
      break;
    case QAccessible::LineBoundary:
      for (int at : view.LineStarts()) {
        if (at > 0 && at < length) starts.push_back(at);
      }
      break;
    case QAccessible::NoBoundary:
      break;
  }
  starts.push_back(length);
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  return starts;
}

struct Piece {
  int start = 0, end = 0;
};

// The piece of `type` at `offset`. A character is the one that starts there, none at the
// end; every other piece at the end is the last one, as the caret there is still at it.
Piece PieceAt(const QString& text, QAccessible::TextBoundaryType type, int offset,
              const TextView& view) {
  const int length = static_cast<int>(text.size());
  if (offset < 0 || offset > length) {
    const int clamped = std::clamp(offset, 0, length);
    return {clamped, clamped};
  }
  if (length == 0 || (offset == length && type == QAccessible::CharBoundary)) {
    return {offset, offset};
  }
  const std::vector<int> starts = PieceStarts(text, type, view);
  const int inside = std::min(offset, length - 1);
  const auto next = std::upper_bound(starts.begin(), starts.end(), inside);
  return {*(next - 1), *next};
}

QString Take(const QString& text, Piece piece, int* start, int* end) {
  if (start) *start = piece.start;
  if (end) *end = piece.end;
  return text.mid(piece.start, piece.end - piece.start);
}

}  // namespace

AccessibleReadOnlyText::AccessibleReadOnlyText(QWidget* widget, TextView* view,
                                               QAccessible::Role role)
    : QAccessibleWidget(widget, role), view_(view) {}

void* AccessibleReadOnlyText::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleReadOnlyText::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.editable = false;
  state.selectableText = true;
  state.multiLine = view_->LineStarts().size() > 1;
  return state;
}

QString AccessibleReadOnlyText::text(QAccessible::Text text) const {
  if (text == QAccessible::Value) return view_->Text();
  return QAccessibleWidget::text(text);
}

void AccessibleReadOnlyText::selection(int index, int* start, int* end) const {
  int from = 0, to = 0;
  view_->GetSelection(&from, &to);
  if (index != 0 || from == to) from = to = 0;
  if (start) *start = from;
  if (end) *end = to;
}

int AccessibleReadOnlyText::selectionCount() const {
  int from = 0, to = 0;
  view_->GetSelection(&from, &to);
  return from == to ? 0 : 1;
}

void AccessibleReadOnlyText::addSelection(int start, int end) {
  setSelection(0, start, end);
}

void AccessibleReadOnlyText::removeSelection(int index) {
  if (index == 0) view_->SetCaret(view_->Caret());
}

void AccessibleReadOnlyText::setSelection(int index, int start, int end) {
  if (index != 0) return;
  const int length = characterCount();
  view_->Select(std::clamp(start, 0, length), std::clamp(end, 0, length));
}

int AccessibleReadOnlyText::cursorPosition() const {
  return view_->Caret();
}

void AccessibleReadOnlyText::setCursorPosition(int position) {
  view_->SetCaret(std::clamp(position, 0, characterCount()));
}

QString AccessibleReadOnlyText::text(int start, int end) const {
  const QString all = view_->Text();
  const int length = static_cast<int>(all.size());
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);  // -1: to the end
  return all.mid(from, to - from);
}

int AccessibleReadOnlyText::characterCount() const {
  return static_cast<int>(view_->Text().size());
}

QRect AccessibleReadOnlyText::characterRect(int offset) const {
  if (offset < 0 || offset >= characterCount()) return {};
  return view_->CharacterRect(offset);
}

int AccessibleReadOnlyText::offsetAtPoint(const QPoint& point) const {
  return view_->OffsetAt(point);
}

QString AccessibleReadOnlyText::attributes(int offset, int* start, int* end) const {
  // One run of plain text, or none outside it.
  const int length = characterCount();
  const bool inside = offset >= 0 && offset <= length;
  if (start) *start = inside ? 0 : std::clamp(offset, 0, length);
  if (end) *end = inside ? length : std::clamp(offset, 0, length);
  return {};
}

QString AccessibleReadOnlyText::textAtOffset(int offset, QAccessible::TextBoundaryType type,
                                             int* start, int* end) const {
  const QString all = view_->Text();
  return Take(all, PieceAt(all, type, offset, *view_), start, end);
}

QString AccessibleReadOnlyText::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                                 int* start, int* end) const {
  const QString all = view_->Text();
  const int length = static_cast<int>(all.size());
  const Piece at = PieceAt(all, type, offset, *view_);
  if (offset < 0 || offset > length || at.start == 0)
    return Take(all, {at.start, at.start}, start, end);
  // The piece that ends where this one starts (at the end, where the last character starts).
  const Piece before = PieceAt(all, type, at.start - 1, *view_);
  return Take(all, {before.start, at.start}, start, end);
}

QString AccessibleReadOnlyText::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                                int* start, int* end) const {
  const QString all = view_->Text();
  const int length = static_cast<int>(all.size());
  const Piece at = PieceAt(all, type, offset, *view_);
  if (offset < 0 || offset > length || at.end >= length) {
    return Take(all, {at.end, at.end}, start, end);
  }
  return Take(all, PieceAt(all, type, at.end, *view_), start, end);
}

}  // namespace velmora::forms::qt
