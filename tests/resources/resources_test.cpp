// The files that give the program its identity: the Windows icon and version record, and
// the PNGs of the icon theme.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
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
size_t Align4(size_t offset) {
  return (offset + 3) & ~size_t{3};
}

// A zero-terminated UTF-16 string, narrowed (the texts checked here are ASCII).
std::string Utf16At(const Bytes& bytes, size_t at, size_t* end = nullptr) {
  std::string text;
  for (; Little(bytes, at, 2) != 0; at += 2) text += static_cast<char>(Little(bytes, at, 2));
  if (end) *end = at + 2;
  return text;
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

// One node of a VS_VERSIONINFO tree.
struct VersionBlock {
  std::string key, text;
  std::vector<VersionBlock> children;
};

VersionBlock ParseVersionBlock(const Bytes& bytes, size_t at) {
  const size_t length = Little(bytes, at, 2), value_length = Little(bytes, at + 2, 2);
  const bool is_text = Little(bytes, at + 4, 2) == 1;
  VersionBlock block;
  size_t cursor;
  block.key = Utf16At(bytes, at + 6, &cursor);
  cursor = Align4(cursor);
  if (value_length > 0) {
    if (is_text) block.text = Utf16At(bytes, cursor);
    cursor = Align4(cursor + (is_text ? 2 * value_length : value_length));
  }
  while (cursor < at + length) {
    block.children.push_back(ParseVersionBlock(bytes, cursor));
    cursor = Align4(cursor + Little(bytes, cursor, 2));
  }
  return block;
}

TEST(VersionRecordTest, CompiledResourceCarriesTheIconAndEveryVersionString) {
  const Bytes res = ReadFile(VELMORA_RES_FILE);
  std::map<std::uint32_t, int> types;
  std::map<std::string, std::string> strings;
  std::string table;
  for (size_t at = 0; at + 32 <= res.size();) {
    const std::uint32_t data_size = Little(res, at, 4), header_size = Little(res, at + 4, 4);
    if (Little(res, at + 8, 2) == 0xFFFF) {
      const std::uint32_t type = Little(res, at + 10, 2);
      ++types[type];
      if (type == 16) {  // RT_VERSION
        const VersionBlock root = ParseVersionBlock(res, at + header_size);
        EXPECT_EQ(root.key, "VS_VERSION_INFO");
        for (const VersionBlock& info : root.children) {
          if (info.key != "StringFileInfo") continue;
          for (const VersionBlock& string_table : info.children) {
            table = string_table.key;
            for (const VersionBlock& value : string_table.children) {
              strings[value.key] = value.text;
            }
          }
        }
      }
    }
    at = Align4(at + header_size + data_size);
  }
  EXPECT_EQ(types[3], 1) << "RT_ICON";
  EXPECT_EQ(types[14], 1) << "RT_GROUP_ICON";
  EXPECT_EQ(types[16], 1) << "RT_VERSION";
  EXPECT_EQ(table, "040904B0");
  const std::string publisher = strings["CompanyName"];
  EXPECT_EQ(publisher.rfind("https://", 0), 0u) << publisher;
  EXPECT_NE(publisher.find(".example."), std::string::npos) << publisher;
  EXPECT_EQ(publisher.find("velmora.example.com"), std::string::npos) << "not the caption's site";
  EXPECT_EQ(strings, (std::map<std::string, std::string>{
                         {"Comments", "Velmora"},
                         {"CompanyName", publisher},
                         {"FileDescription", "Velmora"},
                         {"FileVersion", "1.00"},
                         {"InternalName", "Velmora"},
                         {"LegalCopyright", publisher},
                         {"OriginalFilename", "Velmora.exe"},
                         {"ProductName", "Velmora"},
                         {"ProductVersion", "1.00"},
                     }));
}

}  // namespace
