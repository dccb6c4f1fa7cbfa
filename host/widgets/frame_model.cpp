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

FrameProperties NewFrameProperties(uint32_t ambient_back) {
  FrameProperties p;
  p.fill_colour = ambient_back;
  p.back_colour = ambient_back;
  return p;
}

void WriteFrameProperties(Forms::PropertyBag& bag, const FrameProperties& p, uint32_t ambient_back) {
  const FrameProperties d = NewFrameProperties(ambient_back);
  const auto i32 = [](uint32_t c) { return static_cast<int32_t>(c); };
  bag.Write(kFrameStyle, p.frame_style, d.frame_style);
  bag.Write(kShadowOpacity, p.shadow_opacity, d.shadow_opacity);
  bag.Write(kShowShadow, p.show_shadow, d.show_shadow);
  bag.Write(kShadowDepth, p.shadow_depth, d.shadow_depth);
  bag.Write(kFillColour, i32(p.fill_colour), i32(d.fill_colour));
  bag.Write(kBackColour, i32(p.back_colour), i32(d.back_colour));
  bag.Write(kBackColourIs, p.back_colour_is, d.back_colour_is);
  bag.Write(kBorderColour, i32(p.border_colour), i32(d.border_colour));
  bag.Write(kCornerDepth, p.corner_depth, d.corner_depth);
}

FrameProperties ReadFrameProperties(const Forms::PropertyBag& bag, uint32_t ambient_back) {
  const FrameProperties d = NewFrameProperties(ambient_back);
  const auto colour = [&](const wchar_t* name, uint32_t def) {
    return static_cast<uint32_t>(bag.Read<int32_t>(name, static_cast<int32_t>(def)));
  };
  FrameProperties p;
  p.frame_style = bag.Read<int32_t>(kFrameStyle, d.frame_style);
  p.shadow_opacity = bag.Read<int16_t>(kShadowOpacity, d.shadow_opacity);
  p.show_shadow = bag.Read<bool>(kShowShadow, d.show_shadow);
  p.shadow_depth = bag.Read<int16_t>(kShadowDepth, d.shadow_depth);
  p.fill_colour = colour(kFillColour, d.fill_colour);
  p.back_colour = colour(kBackColour, d.back_colour);
  p.back_colour_is = bag.Read<int32_t>(kBackColourIs, d.back_colour_is);
  p.border_colour = colour(kBorderColour, d.border_colour);
  p.corner_depth = bag.Read<int16_t>(kCornerDepth, d.corner_depth);
  return p;
}

uint32_t GradientStep(uint32_t a, uint32_t b, int n, int k) {
  return Rgb(StepChannel(RedOf(a), RedOf(b), n, k), StepChannel(GreenOf(a), GreenOf(b), n, k),
             StepChannel(BlueOf(a), BlueOf(b), n, k));
}

FramePaint PlanFramePaint(const FrameProperties& props, int width, int height, uint32_t back) {
  FramePaint plan;
  plan.background = back;
  if (props.frame_style != 0 && props.frame_style != 1) return plan;
  plan.draws_shape = true;
  plan.rounded = props.frame_style == 0;
  plan.corner = props.corner_depth;
  plan.fill = props.fill_colour;
  if (!props.show_shadow) {
    plan.frame = {0, 0, width, height, props.border_colour};
    return plan;
  }
  // A stored depth below 1 escapes the set-time check: draw no band
  // rather than divide by zero.
  const long d = std::max<int16_t>(props.shadow_depth, 0);
  const long k = props.corner_depth;
  const long w = width, h = height;
  for (long v : {2 * d, w - d, h - d, w + d, h + d, w - 2 * k, h - 2 * k, 4 * d}) {
    if (!Fits16(v)) {
      plan.draws_shape = false;
      plan.complete = false;
      return plan;
    }
  }
  const uint32_t shadow = GradientStep(0, back, 100, 100 - props.shadow_opacity);
  for (int i = 0; i <= d; ++i) {
    plan.shadow.push_back({static_cast<int>(2 * d - i), static_cast<int>(2 * d - i), static_cast<int>(w - d + i),
                           static_cast<int>(h - d + i), GradientStep(shadow, back, static_cast<int>(d), i)});
  }
  plan.smooth = plan.rounded;
  plan.depth = static_cast<int>(d);
  plan.frame = {0, 0, static_cast<int>(w - d), static_cast<int>(h - d), props.border_colour};
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
