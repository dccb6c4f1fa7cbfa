#include "tools/assets/palette.h"

#include <algorithm>
#include <map>

namespace assets {
namespace {

struct Entry {
  int c[3];
  int count;
};

struct Box {
  std::vector<Entry> entries;
  int Spread(int ch) const {
    int lo = 255, hi = 0;
    for (const Entry& e : entries) lo = std::min(lo, e.c[ch]), hi = std::max(hi, e.c[ch]);
    return hi - lo;
  }
  int Widest() const {
    int best = 0;
    for (int ch = 1; ch < 3; ++ch)
      if (Spread(ch) > Spread(best)) best = ch;
    return best;
  }
};

uint32_t Mean(const Box& box) {
  double sum[3] = {}, n = 0;
  for (const Entry& e : box.entries) {
    for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<double>(e.c[ch]) * e.count;
    n += e.count;
  }
  uint32_t rgb = 0;
  for (int ch = 0; ch < 3; ++ch) rgb = rgb << 8 | static_cast<uint32_t>(sum[ch] / n + 0.5);
  return rgb;
}

}  // namespace

Indexed Quantise(const Image& img, int maxColours) {
  std::map<uint32_t, int> counts;  // ordered: the result does not depend on hashing
  const size_t n = static_cast<size_t>(img.width) * img.height;
  for (size_t i = 0; i < n; ++i) {
    const uint8_t* p = &img.rgba[i * 4];
    if (p[3] >= 128) ++counts[static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2]];
  }
  std::vector<Box> boxes(1);
  for (const auto& [rgb, count] : counts)
    boxes[0].entries.push_back({{static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8 & 0xFF),
                                 static_cast<int>(rgb & 0xFF)},
                                count});
  // Split the box with the widest spread (weighted by its pixels) at its median.
  while (static_cast<int>(boxes.size()) < maxColours) {
    int pick = -1;
    long bestScore = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].entries.size() < 2) continue;
      long pixels = 0;
      for (const Entry& e : boxes[i].entries) pixels += e.count;
      const long score = boxes[i].Spread(boxes[i].Widest()) * pixels;
      if (score > bestScore) bestScore = score, pick = static_cast<int>(i);
    }
    if (pick < 0) break;
    Box& box = boxes[pick];
    const int ch = box.Widest();
    std::stable_sort(box.entries.begin(), box.entries.end(),
                     [ch](const Entry& a, const Entry& b) { return a.c[ch] < b.c[ch]; });
    long total = 0, half = 0;
    for (const Entry& e : box.entries) total += e.count;
    size_t cut = 1;
    for (; cut < box.entries.size() - 1; ++cut) {
      half += box.entries[cut - 1].count;
      if (2 * half >= total) break;
    }
    Box upper;
    upper.entries.assign(box.entries.begin() + static_cast<long>(cut), box.entries.end());
    box.entries.resize(cut);
    boxes.push_back(std::move(upper));
  }
  Indexed out;
  for (const Box& box : boxes)
    if (!box.entries.empty()) out.palette.push_back(Mean(box));
  if (out.palette.empty()) out.palette.push_back(0);
  out.index.resize(n, 0);
  for (size_t i = 0; i < n; ++i) {
    const uint8_t* p = &img.rgba[i * 4];
    if (p[3] < 128) continue;
    long best = -1;
    for (size_t k = 0; k < out.palette.size(); ++k) {
      const uint32_t q = out.palette[k];
      const long dr = p[0] - static_cast<long>(q >> 16), dg = p[1] - static_cast<long>(q >> 8 & 0xFF),
                 db = p[2] - static_cast<long>(q & 0xFF);
      const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
      if (best < 0 || d < best) best = d, out.index[i] = static_cast<uint8_t>(k);
    }
  }
  return out;
}

}  // namespace assets
