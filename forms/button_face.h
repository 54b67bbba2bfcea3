#pragma once

#include <algorithm>

#include "common/color_value.h"
#include "forms/form.h"

namespace velmora::forms {

/// How a graphical button is painted, the same on every backend: its face in its background
/// colour; a frame raised (light above and left, dark below and right), sunk while pressed,
/// grey while it takes no clicks, as thick as a pixel is at 96 DPI; its caption; and, while
/// it has the focus, a dotted mark inside the frame in a colour that shows on the face.
struct ButtonFace {
  ColorValue top_left, bottom_right;  // the frame's two halves
  int frame_thickness;                // in device pixels
  ColorValue caption;
  ColorValue focus_mark;
  int focus_inset;  // in device pixels, from the outer edge

  static constexpr ColorValue kDisabled = Rgb(128, 128, 128);

  /// `device_pixels` per pixel at 96 DPI: 1 at 96, 1.5 at 144...
  static constexpr ButtonFace Of(ColorValue face, bool enabled, bool sunk, double device_pixels) {
    const ColorValue light = enabled ? kWhite : kDisabled;
    const ColorValue dark = enabled ? kBlack : kDisabled;
    const int thickness = std::max(1, static_cast<int>(device_pixels));
    return {sunk ? dark : light, sunk ? light : dark,
            thickness,           enabled ? kTextOnFixedFace : kDisabled,
            MarkColorOn(face),   2 * thickness};
  }
};

}  // namespace velmora::forms
