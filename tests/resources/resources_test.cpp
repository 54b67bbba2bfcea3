// The icon files drawn from the picture: the Windows icon and the PNGs of the icon theme.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file) << "cannot read " << path;
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t Little(const Bytes& bytes, size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}
std::uint32_t Big32(const Bytes& bytes, size_t at) {
  return std::uint32_t{bytes.at(at)} << 24 | bytes.at(at + 1) << 16 | bytes.at(at + 2) << 8 |
         bytes.at(at + 3);
}

TEST(IconTest, IcoHoldsA32By32ImageIn256ColoursWithItsMask) {
  const Bytes ico = ReadFile(VELMORA_ICON_DIR "/velmora.ico");
  ASSERT_GE(ico.size(), 22u);
  EXPECT_EQ(Little(ico, 0, 2), 0u);
  EXPECT_EQ(Little(ico, 2, 2), 1u) << "type: icon";
  const std::uint32_t count = Little(ico, 4, 2);
  bool found = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * i;
    if (ico.at(entry) != 32 || ico.at(entry + 1) != 32) continue;
    found = true;
    EXPECT_EQ(ico.at(entry + 2), 0) << "0 stands for 256 colours";
    const std::uint32_t size = Little(ico, entry + 8, 4), offset = Little(ico, entry + 12, 4);
    ASSERT_LE(offset + size, ico.size());
    // BITMAPINFOHEADER: colours and mask stacked, so twice the height.
    EXPECT_EQ(Little(ico, offset, 4), 40u);
    EXPECT_EQ(Little(ico, offset + 4, 4), 32u);
    EXPECT_EQ(Little(ico, offset + 8, 4), 64u);
    EXPECT_EQ(Little(ico, offset + 14, 2), 8u) << "bits per pixel";
    const std::uint32_t colors = Little(ico, offset + 32, 4);
    const std::uint32_t palette = 4 * (colors ? colors : 256);
    EXPECT_EQ(size, 40 + palette + 32 * 32 + 32 * 4) << "header, palette, pixels and AND mask";
    // Some pixels are transparent (corners), some opaque (the middle).
    const size_t mask = offset + 40 + palette + 32 * 32;
    EXPECT_EQ(ico.at(mask) & 0x80, 0x80) << "bottom-left corner is transparent";
    EXPECT_EQ(ico.at(mask + 16 * 4 + 2) & 0x80, 0) << "the middle is opaque";
  }
  EXPECT_TRUE(found) << "no 32 x 32 image";
}

TEST(IconTest, ThemePngsHaveTheSizesTheirNamesClaim) {
  for (int size : {16, 32, 48, 256}) {
    const Bytes png = ReadFile(VELMORA_ICON_DIR "/velmora-" + std::to_string(size) + ".png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(Big32(png, 0), 0x89504E47u) << size;
    EXPECT_EQ(Big32(png, 12), 0x49484452u) << size << ": IHDR first";
    EXPECT_EQ(Big32(png, 16), static_cast<std::uint32_t>(size));
    EXPECT_EQ(Big32(png, 20), static_cast<std::uint32_t>(size));
  }
}

}  // namespace
