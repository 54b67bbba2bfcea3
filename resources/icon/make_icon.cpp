// Draws the window icon from hamburger.txt (32 rows of 32 characters, one per pixel) and
// writes the files made from it: PNGs for the icon theme and the 256-colour Windows icon,
// or with --raw the window icon's sizes as bare RGBA pixels, which the program shows without
// decoding anything.
//   make_icon [--raw] PICTURE OUTPUT-DIR
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kSize = 32;

// What each character of the picture stands for; '.' is transparent.
const std::map<char, QRgb> kInks = {
    {'k', qRgb(90, 45, 10)},     // outline
    {'b', qRgb(232, 162, 62)},   // bun
    {'B', qRgb(196, 122, 40)},   // bun in shade
    {'h', qRgb(252, 212, 130)},  // bun highlight
    {'s', qRgb(255, 246, 214)},  // sesame seed
    {'g', qRgb(70, 180, 45)},    // lettuce
    {'G', qRgb(30, 120, 25)},    // lettuce fold
    {'r', qRgb(222, 42, 32)},    // tomato
    {'R', qRgb(160, 20, 20)},    // tomato seeds
    {'c', qRgb(255, 206, 0)},    // cheese
    {'p', qRgb(120, 60, 28)},    // patty
    {'P', qRgb(74, 36, 14)},     // patty, seared
};

QImage ReadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QTextStream in(&file);
  for (int y = 0; y < kSize; ++y) {
    const QString row = in.readLine();
    if (row.size() != kSize) return {};
    for (int x = 0; x < kSize; ++x) {
      const char symbol = row[x].toLatin1();
      if (symbol == '.') continue;
      const auto ink = kInks.find(symbol);
      if (ink == kInks.end()) return {};
      image.setPixel(x, y, ink->second);
    }
  }
  return image;
}

void Put16(std::vector<char>& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void Put32(std::vector<char>& out, int value) {
  Put16(out, value & 0xFFFF);
  Put16(out, (value >> 16) & 0xFFFF);
}

// A .ico holding one 32 x 32 image in 256 colours with its transparency (AND) mask.
std::vector<char> IcoFile(const QImage& picture) {
  std::vector<QRgb> palette = {qRgb(0, 0, 0)};  // index 0 stands under transparent pixels
  for (const auto& ink : kInks) palette.push_back(ink.second);
  const auto index_of = [&palette](QRgb color) {
    for (size_t i = 0; i < palette.size(); ++i) {
      if (palette[i] == (color | 0xFF000000u)) return static_cast<int>(i);
    }
    return 0;
  };
  constexpr int kColors = 256, kMaskRowBytes = 4;
  const int image_bytes = 40 + 4 * kColors + kSize * kSize + kSize * kMaskRowBytes;

  std::vector<char> out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);  // ICONDIR: an icon with one image
  out.push_back(kSize), out.push_back(kSize), out.push_back(0), out.push_back(0);
  Put16(out, 1), Put16(out, 8), Put32(out, image_bytes), Put32(out, 6 + 16);
  // BITMAPINFOHEADER: twice the height, for the colours and the mask.
  Put32(out, 40), Put32(out, kSize), Put32(out, 2 * kSize), Put16(out, 1), Put16(out, 8);
  Put32(out, 0), Put32(out, kSize * kSize + kSize * kMaskRowBytes), Put32(out, 0), Put32(out, 0);
  Put32(out, kColors), Put32(out, 0);
  for (int i = 0; i < kColors; ++i) {
    const QRgb color = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    out.push_back(static_cast<char>(qBlue(color))), out.push_back(static_cast<char>(qGreen(color)));
    out.push_back(static_cast<char>(qRed(color))), out.push_back(0);
  }
  for (int y = kSize - 1; y >= 0; --y) {  // rows bottom up
    for (int x = 0; x < kSize; ++x) out.push_back(static_cast<char>(index_of(picture.pixel(x, y))));
  }
  for (int y = kSize - 1; y >= 0; --y) {
    for (int byte = 0; byte < kMaskRowBytes; ++byte) {
      int bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (qAlpha(picture.pixel(8 * byte + bit, y)) == 0) bits |= 0x80 >> bit;
      }
      out.push_back(static_cast<char>(bits));
    }
  }
  return out;
}

// The sizes of a title bar and a task switcher.
QImage Scaled(const QImage& picture, int size) {
  return size == kSize
             ? picture
             : picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteFile(const QString& path, const char* data, qint64 size) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data, size) == size;
}

// velmora-SIZE.rgba: SIZE x SIZE pixels, top row first, four bytes each: red, green, blue, alpha.
bool WriteRaw(const QImage& picture, const QString& dir) {
  bool ok = true;
  for (const int size : {16, 32, 48}) {
    const QImage pixels = Scaled(picture, size).convertToFormat(QImage::Format_RGBA8888);
    ok &= WriteFile(dir + QStringLiteral("/velmora-%1.rgba").arg(size),
                    reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const bool raw = argc == 4 && QByteArray(argv[1]) == "--raw";
  if (argc != 3 && !raw) {
    std::fprintf(stderr, "usage: %s [--raw] PICTURE OUTPUT-DIR\n", argv[0]);
    return 2;
  }
  const char* picture_path = argv[argc - 2];
  const QImage picture = ReadPicture(QString::fromLocal8Bit(picture_path));
  if (picture.isNull()) {
    std::fprintf(stderr, "%s is not 32 rows of 32 known characters\n", picture_path);
    return 1;
  }
  const QString dir = QString::fromLocal8Bit(argv[argc - 1]);
  if (raw) {
    if (WriteRaw(picture, dir)) return 0;
    std::fprintf(stderr, "could not write the raw icon files to %s\n", argv[argc - 1]);
    return 1;
  }
  bool ok = picture.save(dir + "/velmora-32.png");
  ok &= Scaled(picture, 16).save(dir + "/velmora-16.png");
  ok &= Scaled(picture, 48).save(dir + "/velmora-48.png");
  ok &= picture.scaled(256, 256).save(dir + "/velmora-256.png");  // crisp: 8 x 8 per pixel
  const std::vector<char> ico = IcoFile(picture);
  ok &= WriteFile(dir + "/velmora.ico", ico.data(), static_cast<qint64>(ico.size()));
  if (!ok) std::fprintf(stderr, "could not write the icon files to %s\n", argv[argc - 1]);
  return ok ? 0 : 1;
}
