#include "host/preview/picture_scale.h"

#include <algorithm>
#include <cmath>

namespace Ondrel_B {
namespace {

// Contributions of the source samples to each output sample along one axis.
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> AxisTaps(int in, int out) {
  const double scale = static_cast<double>(in) / out;
  const double reach = std::max(scale, 1.0);  // the filter's half-width in source samples
  std::vector<Taps> taps(static_cast<size_t>(out));
  for (int o = 0; o < out; ++o) {
    const double centre = (o + 0.5) * scale;
    const int lo = std::max(0, static_cast<int>(std::floor(centre - reach)));
    const int hi = std::min(in, static_cast<int>(std::ceil(centre + reach)));
    Taps& t = taps[static_cast<size_t>(o)];
    t.first = lo;
    double total = 0;
    for (int i = lo; i < hi; ++i) {
      const double w = std::max(0.0, 1.0 - std::fabs((i + 0.5 - centre) / reach));
      t.weights.push_back(static_cast<float>(w));
      total += w;
    }
    if (total > 0) {
      for (float& w : t.weights) w = static_cast<float>(w / total);
    }
  }
  return taps;
}

uint8_t Channel(uint32_t pixel, int shift) { return static_cast<uint8_t>(pixel >> shift); }

uint32_t Pack(const float c[3]) {
  uint32_t p = 0;
  for (int k = 0; k < 3; ++k) {
    const long v = std::lround(std::clamp(c[k], 0.0f, 255.0f));
    p |= static_cast<uint32_t>(v) << (16 - 8 * k);
  }
  return p;
}

}  // namespace

std::vector<uint32_t> ScalePicture(const std::vector<uint32_t>& source, int sourceWidth, int sourceHeight,
                                   int width, int height) {
  if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0) return {};
  if (source.size() < static_cast<size_t>(sourceWidth) * static_cast<size_t>(sourceHeight)) return {};

  // Across first, into a float picture of the new width and the old height.
  const std::vector<Taps> across = AxisTaps(sourceWidth, width);
  std::vector<float> wide(static_cast<size_t>(width) * static_cast<size_t>(sourceHeight) * 3);
  for (int y = 0; y < sourceHeight; ++y) {
    const uint32_t* row = &source[static_cast<size_t>(y) * static_cast<size_t>(sourceWidth)];
    for (int x = 0; x < width; ++x) {
      const Taps& t = across[static_cast<size_t>(x)];
      float* out = &wide[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
      for (size_t i = 0; i < t.weights.size(); ++i) {
        const uint32_t p = row[static_cast<size_t>(t.first) + i];
        for (int k = 0; k < 3; ++k) out[k] += t.weights[i] * Channel(p, 16 - 8 * k);
      }
    }
  }

  // Then down.
  const std::vector<Taps> down = AxisTaps(sourceHeight, height);
  std::vector<uint32_t> result(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    const Taps& t = down[static_cast<size_t>(y)];
    for (int x = 0; x < width; ++x) {
      float c[3] = {0, 0, 0};
      for (size_t i = 0; i < t.weights.size(); ++i) {
        const float* in =
            &wide[((static_cast<size_t>(t.first) + i) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
        for (int k = 0; k < 3; ++k) c[k] += t.weights[i] * in[k];
      }
      result[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = Pack(c);
    }
  }
  return result;
}

}  // namespace Ondrel_B
