#include "host/widgets/frame_model.h"

#include <algorithm>
#include <limits>

#include "host/base/rounding.h"
#include "host/widgets/colour.h"

namespace Widgets {

namespace {

bool Fits16(long v) { return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max(); }

int StepChannel(int a, int b, int n, int k) {
  if (n == 0) return a;
  return std::clamp(a - ((a - b) / n) * k, 0, 255);
}

}  // namespace

int16_t CheckedShadowOpacity(int16_t percent) { return std::clamp<int16_t>(percent, 0, 100); }

int16_t CheckedShadowDepth(int16_t pixels) {
  if (pixels < 2) return 2;
  if (pixels > 40) return 50;
  return pixels;
}

int16_t CheckedCornerDepth(int16_t pixels) { return std::clamp<int16_t>(pixels, 0, 50); }

FrameProperties NewFrameProperties(uint32_t ambientBack) {
  FrameProperties p;
  p.FillColour = ambientBack;
  p.BackColour = ambientBack;
  return p;
}

void WriteFrameProperties(Forms::PropertyBag& bag, const FrameProperties& p, uint32_t ambientBack) {
  const FrameProperties d = NewFrameProperties(ambientBack);
  const auto i32 = [](uint32_t c) { return static_cast<int32_t>(c); };
  bag.Write(kFrameStyle, p.FrameStyle, d.FrameStyle);
  bag.Write(kShadowOpacity, p.ShadowOpacity, d.ShadowOpacity);
  bag.Write(kShowShadow, p.ShowShadow, d.ShowShadow);
  bag.Write(kShadowDepth, p.ShadowDepth, d.ShadowDepth);
  bag.Write(kFillColour, i32(p.FillColour), i32(d.FillColour));
  bag.Write(kBackColour, i32(p.BackColour), i32(d.BackColour));
  bag.Write(kBackColourIs, p.BackColourIs, d.BackColourIs);
  bag.Write(kBorderColour, i32(p.BorderColour), i32(d.BorderColour));
  bag.Write(kCornerDepth, p.CornerDepth, d.CornerDepth);
}

FrameProperties ReadFrameProperties(const Forms::PropertyBag& bag, uint32_t ambientBack) {
  const FrameProperties d = NewFrameProperties(ambientBack);
  const auto colour = [&](const wchar_t* name, uint32_t def) {
    return static_cast<uint32_t>(bag.Read<int32_t>(name, static_cast<int32_t>(def)));
  };
  FrameProperties p;
  p.FrameStyle = bag.Read<int32_t>(kFrameStyle, d.FrameStyle);
  p.ShadowOpacity = bag.Read<int16_t>(kShadowOpacity, d.ShadowOpacity);
  p.ShowShadow = bag.Read<bool>(kShowShadow, d.ShowShadow);
  p.ShadowDepth = bag.Read<int16_t>(kShadowDepth, d.ShadowDepth);
  p.FillColour = colour(kFillColour, d.FillColour);
  p.BackColour = colour(kBackColour, d.BackColour);
  p.BackColourIs = bag.Read<int32_t>(kBackColourIs, d.BackColourIs);
  p.BorderColour = colour(kBorderColour, d.BorderColour);
  p.CornerDepth = bag.Read<int16_t>(kCornerDepth, d.CornerDepth);
  return p;
}

uint32_t GradientStep(uint32_t a, uint32_t b, int n, int k) {
  return Rgb(StepChannel(RedOf(a), RedOf(b), n, k), StepChannel(GreenOf(a), GreenOf(b), n, k),
             StepChannel(BlueOf(a), BlueOf(b), n, k));
}

FramePaint PlanFramePaint(const FrameProperties& props, int width, int height, uint32_t back) {
  FramePaint plan;
  plan.background = back;
  if (props.FrameStyle != 0 && props.FrameStyle != 1) return plan;
  plan.drawsShape = true;
  plan.rounded = props.FrameStyle == 0;
  plan.corner = props.CornerDepth;
  plan.fill = props.FillColour;
  if (!props.ShowShadow) {
    plan.frame = {0, 0, width, height, props.BorderColour};
    return plan;
  }
  // A stored depth below 1 escapes the set-time check: draw no band
  // rather than divide by zero.
  const long d = std::max<int16_t>(props.ShadowDepth, 0);
  const long k = props.CornerDepth;
  const long w = width, h = height;
  for (long v : {2 * d, w - d, h - d, w + d, h + d, w - 2 * k, h - 2 * k, 4 * d}) {
    if (!Fits16(v)) {
      plan.drawsShape = false;
      plan.complete = false;
      return plan;
    }
  }
  const uint32_t shadow = GradientStep(0, back, 100, 100 - props.ShadowOpacity);
  for (int i = 0; i <= d; ++i) {
    plan.shadow.push_back({static_cast<int>(2 * d - i), static_cast<int>(2 * d - i), static_cast<int>(w - d + i),
                           static_cast<int>(h - d + i), GradientStep(shadow, back, static_cast<int>(d), i)});
  }
  plan.smooth = plan.rounded;
  plan.depth = static_cast<int>(d);
  plan.frame = {0, 0, static_cast<int>(w - d), static_cast<int>(h - d), props.BorderColour};
  return plan;
}

namespace {

// Off the surface the background goes on.
uint32_t PixelOr(const PixelSurface& s, int x, int y, uint32_t outside) {
  if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return outside;
  return s.Get(x, y);
}

void SmoothArea(PixelSurface& s, int x0, int x1, int y0, int y1, uint32_t match) {
  for (int x = x0; x <= x1; ++x) {
    for (int y = y0; y <= y1; ++y) {
      if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height() || s.Get(x, y) != match) continue;
      const uint32_t n[4] = {PixelOr(s, x, y - 1, match), PixelOr(s, x + 1, y, match), PixelOr(s, x, y + 1, match),
                             PixelOr(s, x - 1, y, match)};
      int r = 0, g = 0, b = 0;
      for (uint32_t c : n) {
        r += RedOf(c);
        g += GreenOf(c);
        b += BlueOf(c);
      }
      const auto avg = [](int sum) { return static_cast<int>(Ondrel_B::RoundHalfEven(sum / 4.0)); };
      s.Set(x, y, Rgb(avg(r), avg(g), avg(b)));
    }
  }
}

}  // namespace

void SmoothShadowEdge(PixelSurface& s, int depth, int corner, uint32_t match) {
  const int w = s.Width(), h = s.Height(), d = depth, k = corner;
  SmoothArea(s, w - 2 * k, w - 3, h - 2 * k, h - 3, match);
  SmoothArea(s, w - 2 * k, w - 3, d, 4 * d, match);
  SmoothArea(s, d, 4 * d, h - 2 * k, h - 3, match);
}

}  // namespace Widgets
