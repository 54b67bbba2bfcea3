#include "forms/arrow_keys.h"

#include <cstdlib>

namespace velmora::forms {

namespace {

// Rectangles measured as Qt measures them: the last pixel inside, and the centre rounded down.
struct Box {
  int left, top, right, bottom;
  int centre_x() const { return (left + right) / 2; }
  int centre_y() const { return (top + bottom) / 2; }
};

Box BoxOf(const ArrowStop& stop) {
  return {stop.left, stop.top, stop.left + stop.width - 1, stop.top + stop.height - 1};
}

bool LiesThatWay(const Box& box, const Box& from, Arrow arrow) {
  switch (arrow) {
    case Arrow::kLeft:
      return box.centre_x() < from.centre_x();
    case Arrow::kRight:
      return box.centre_x() > from.centre_x();
    case Arrow::kUp:
      return box.centre_y() < from.centre_y();
    case Arrow::kDown:
      return box.centre_y() > from.centre_y();
  }
  return false;
}

// Lower is nearer.
long long Distance(const Box& box, const Box& from, Arrow arrow) {
  const long long dx = std::llabs(box.centre_x() - from.centre_x());
  const long long dy = std::llabs(box.centre_y() - from.centre_y());
  const bool vertical = arrow == Arrow::kUp || arrow == Arrow::kDown;
  const bool same_column = box.left < from.right && from.left < box.right;
  const bool same_row = box.top < from.bottom && from.top < box.bottom;
  if (vertical && same_column) return (dy << 16) + dx;
  if (!vertical && same_row) return (dx << 16) + dy;
  return (1LL << 30) + dx * dx + dy * dy;
}

}  // namespace

ArrowStop StopOf(const ControlRow& row) {
  return {row.left / kTwipsPerPixel, row.top / kTwipsPerPixel, row.width / kTwipsPerPixel,
          row.height / kTwipsPerPixel, row.enabled && row.visible};
}

int ArrowTarget(const std::vector<ArrowStop>& stops, int from, Arrow arrow) {
  if (from < 0 || from >= static_cast<int>(stops.size())) return -1;
  const Box start = BoxOf(stops[from]);
  int best = -1;
  long long best_distance = 0;
  for (int i = 0; i < static_cast<int>(stops.size()); ++i) {
    if (i == from || !stops[i].takes_focus) continue;
    const Box box = BoxOf(stops[i]);
    if (!LiesThatWay(box, start, arrow)) continue;
    const long long distance = Distance(box, start, arrow);
    if (best < 0 || distance <= best_distance) {  // of equals, the later one, as in Qt
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace velmora::forms
