#pragma once

#include <vector>

#include "forms/form.h"

namespace velmora::forms {

enum class Arrow { kLeft, kRight, kUp, kDown };

/// Where an element of a control array stands, in pixels at 96 DPI, and whether it can take
/// the focus (shown and enabled).
struct ArrowStop {
  int left = 0, top = 0, width = 0, height = 0;
  bool takes_focus = true;
};

/// The stop of a control array on `row`'s place.
ArrowStop StopOf(const ControlRow& row);

/// The element the focus goes to when `arrow` is pressed on element `from` of `stops`, or -1
/// when none lies that way. As Qt moves the focus between the buttons of one group: the
/// nearest in that direction whose span across it overlaps the focused one's (the same row
/// for Left and Right, the same column for Up and Down), nearness along the arrow counting
/// before the offset across it; failing that, the nearest by straight distance of the
/// centres that lies that way at all.
int ArrowTarget(const std::vector<ArrowStop>& stops, int from, Arrow arrow);

}  // namespace velmora::forms
