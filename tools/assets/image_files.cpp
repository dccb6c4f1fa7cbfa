#include "tools/assets/image_files.h"

#include <zlib.h>

#include <cstdio>

#include "tools/assets/palette.h"

namespace assets {
namespace {

void Put16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put32Be(Bytes& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

// BITMAPINFOHEADER; an icon image states twice its height (colour + mask).
void InfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageBytes, uint32_t colours) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 dpi
  Put32(out, 3780);
  Put32(out, colours);
  Put32(out, 0);
}

size_t Stride(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

// 1 bit a pixel, set where the picture is see-through; rows bottom first.
void AndMask(Bytes& out, const Image& img) {
  const size_t stride = Stride(img.width, 1);
  for (int y = img.height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < img.width; ++x)
      if (img.At(x, y)[3] < 128) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
}

Bytes IconTrueColour(const Image& img) {
  Bytes out;
  const size_t colour = Stride(img.width, 32) * img.height, mask = Stride(img.width, 1) * img.height;
  InfoHeader(out, img.width, 2 * img.height, 32, static_cast<uint32_t>(colour + mask), 0);
  for (int y = img.height - 1; y >= 0; --y) {
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.At(x, y);
      out.insert(out.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  AndMask(out, img);
  return out;
}

Bytes IconPalette256(const Image& img) {
  const Indexed q = Quantise(img, 255);
  Bytes out;
  const size_t stride = Stride(img.width, 8);
  const size_t colour = stride * img.height, mask = Stride(img.width, 1) * img.height;
  InfoHeader(out, img.width, 2 * img.height, 8, static_cast<uint32_t>(colour + mask), 256);
  // Entry 0 stays black: under the mask, black leaves the screen as it is.
  for (int i = 0; i < 256; ++i) {
    const uint32_t rgb = i >= 1 && i <= static_cast<int>(q.palette.size()) ? q.palette[i - 1] : 0;
    out.insert(out.end(), {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                           static_cast<uint8_t>(rgb >> 16), 0});
  }
  for (int y = img.height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < img.width; ++x) {
      const size_t i = static_cast<size_t>(y) * img.width + x;
      if (img.rgba[i * 4 + 3] >= 128) row[x] = static_cast<uint8_t>(q.index[i] + 1);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  AndMask(out, img);
  return out;
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32Be(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32Be(out, static_cast<uint32_t>(crc32(0, &out[start], static_cast<uInt>(out.size() - start))));
}

}  // namespace

Bytes EncodeBmp24(const Image& img) {
  const size_t stride = Stride(img.width, 24);
  Bytes out{'B', 'M'};
  Put32(out, static_cast<uint32_t>(54 + stride * img.height));
  Put32(out, 0);
  Put32(out, 54);
  InfoHeader(out, img.width, img.height, 24, static_cast<uint32_t>(stride * img.height), 0);
  for (int y = img.height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.At(x, y);
      for (int ch = 0; ch < 3; ++ch) row[x * 3 + ch] = static_cast<uint8_t>((p[2 - ch] * p[3] + 127) / 255);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes EncodePng(const Image& img) {
  Bytes raw;
  for (int y = 0; y < img.height; ++y) {
    raw.push_back(0);  // no filter
    raw.insert(raw.end(), img.At(0, y), img.At(0, y) + static_cast<size_t>(img.width) * 4);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(packedSize);

  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  Put32Be(ihdr, static_cast<uint32_t>(img.width));
  Put32Be(ihdr, static_cast<uint32_t>(img.height));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
  PngChunk(out, "IHDR", ihdr);
  PngChunk(out, "IDAT", packed);
  PngChunk(out, "IEND", {});
  return out;
}

Bytes EncodeIco(const std::vector<IconPart>& parts) {
  std::vector<Bytes> images;
  for (const IconPart& part : parts) {
    switch (part.format) {
      case IconFormat::kTrueColour: images.push_back(IconTrueColour(part.image)); break;
      case IconFormat::kPalette256: images.push_back(IconPalette256(part.image)); break;
      case IconFormat::kPng: images.push_back(EncodePng(part.image)); break;
    }
  }
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<uint32_t>(parts.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * parts.size());
  for (size_t i = 0; i < parts.size(); ++i) {
    const Image& img = parts[i].image;
    out.push_back(static_cast<uint8_t>(img.width >= 256 ? 0 : img.width));
    out.push_back(static_cast<uint8_t>(img.height >= 256 ? 0 : img.height));
    out.push_back(0);  // colour count: 0 for 256 colours and more
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, parts[i].format == IconFormat::kPalette256 ? 8 : 32);
    Put32(out, static_cast<uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const Bytes& b : images) out.insert(out.end(), b.begin(), b.end());
  return out;
}

Bytes EncodeMonoCursor(const std::vector<std::string>& rows, int hotX, int hotY) {
  constexpr int kSide = 32;
  Bytes image;
  InfoHeader(image, kSide, 2 * kSide, 1, static_cast<uint32_t>(2 * 4 * kSide), 2);
  image.insert(image.end(), {0, 0, 0, 0, 255, 255, 255, 0});  // black, white
  // Screen = (screen AND mask) XOR colour: black (0, 0), white (0, 1), see-through (1, 0).
  for (int pass = 0; pass < 2; ++pass) {
    for (int y = kSide - 1; y >= 0; --y) {
      uint8_t row[4] = {};
      for (int x = 0; x < kSide; ++x) {
        const char c = y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size()) ? rows[y][x] : ' ';
        const bool set = pass == 0 ? c == 'o' : (c != '#' && c != 'o');
        if (set) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
      image.insert(image.end(), row, row + 4);
    }
  }
  Bytes out;
  Put16(out, 0);
  Put16(out, 2);  // cursor
  Put16(out, 1);
  out.insert(out.end(), {kSide, kSide, 2, 0});
  Put16(out, static_cast<uint32_t>(hotX));
  Put16(out, static_cast<uint32_t>(hotY));
  Put32(out, static_cast<uint32_t>(image.size()));
  Put32(out, 22);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace assets
