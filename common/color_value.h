#pragma once

#include <cstdint>

namespace velmora {

/// A colour as 0x00BBGGRR: red in the lowest byte, then green, then blue, top byte 0.
/// Two colours are the same exactly when their values are equal.
using ColorValue = std::uint32_t;

/// Composes a colour from its red, green and blue parts.
constexpr ColorValue Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColorValue{red} | ColorValue{green} << 8 | ColorValue{blue} << 16;
}
constexpr std::uint8_t RedOf(ColorValue color) {
  return color & 0xFF;
}
constexpr std::uint8_t GreenOf(ColorValue color) {
  return (color >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(ColorValue color) {
  return (color >> 16) & 0xFF;
}

/// A colour that stands out on `face`, for a focus mark drawn on it: black on a light face,
/// white on a dark one (by perceived brightness, which weighs green most and blue least).
constexpr ColorValue MarkColorOn(ColorValue face) {
  const int brightness = (299 * RedOf(face) + 587 * GreenOf(face) + 114 * BlueOf(face)) / 1000;
  return brightness >= 128 ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
}

constexpr ColorValue kWhite = Rgb(255, 255, 255);
constexpr ColorValue kBlack = Rgb(0, 0, 0);

}  // namespace velmora
