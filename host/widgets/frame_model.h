// GFXFrameX without the platform: its properties with their checks and
// persistence, and the arithmetic of one paint (shadow outlines, colours,
// the smoothing of a rounded shadow's edge).
#pragma once

#include <cstdint>
#include <vector>

#include "host/forms/property_bag.h"

namespace Widgets {

struct FrameProperties {
  int32_t FrameStyle = 1;  // 0 rounded, 1 square, else background only
  int16_t ShadowOpacity = 50;  // percent
  bool ShowShadow = true;
  int16_t ShadowDepth = 5;  // pixels
  uint32_t FillColour = 0;
  uint32_t BackColour = 0;
  int32_t BackColourIs = 0;  // 0: the container's background colour
  uint32_t BorderColour = 0;
  int16_t CornerDepth = 10;  // pixels, width and height of the corner ellipse
};

// Property names, as stored and as announced by the change signal.
inline constexpr wchar_t kFrameStyle[] = L"FrameStyle";
inline constexpr wchar_t kShadowOpacity[] = L"ShadowOpacity";
inline constexpr wchar_t kShowShadow[] = L"ShowShadow";
inline constexpr wchar_t kShadowDepth[] = L"ShadowDepth";
inline constexpr wchar_t kFillColour[] = L"FillColour";
inline constexpr wchar_t kBackColour[] = L"BackColour";
inline constexpr wchar_t kBackColourIs[] = L"BackColourIs";
inline constexpr wchar_t kBorderColour[] = L"BorderColour";
inline constexpr wchar_t kCornerDepth[] = L"CornerDepth";

// Set-time checks.
int16_t CheckedShadowOpacity(int16_t percent);
int16_t CheckedShadowDepth(int16_t pixels);  // below 2 -> 2, above 40 -> 50
int16_t CheckedCornerDepth(int16_t pixels);

// A new instance on a container with the given background colour.
FrameProperties NewFrameProperties(uint32_t ambientBack);
void WriteFrameProperties(Forms::PropertyBag& bag, const FrameProperties& p, uint32_t ambientBack);
// Values as stored, without the set-time checks.
FrameProperties ReadFrameProperties(const Forms::PropertyBag& bag, uint32_t ambientBack);

// The k-th of n steps from colour a toward b, per channel
// a - ((a - b) / n) * k with the division truncated first. Channels are
// held to 0..255; n = 0 gives a.
uint32_t GradientStep(uint32_t a, uint32_t b, int n, int k);

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
  uint32_t colour;               // pen colour
};

// What one paint draws, in order: clear to background; the shadow
// outlines (hollow); for a rounded frame the smoothing pass; the frame,
// filled with fill and outlined in frame.colour.
struct FramePaint {
  uint32_t background = 0;
  bool drawsShape = false;
  bool rounded = false;
  int corner = 0;
  std::vector<Box> shadow;
  bool smooth = false;
  int depth = 0;  // shadow depth as painted
  Box frame{};
  uint32_t fill = 0;
  bool complete = true;  // false: a coordinate left the 16-bit range; only the background is drawn
};

// props' colours and back (the widget's background) must be plain RGB.
FramePaint PlanFramePaint(const FrameProperties& props, int width, int height, uint32_t back);

// A surface that the smoothing pass reads and writes pixel by pixel.
class PixelSurface {
 public:
  virtual ~PixelSurface() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual uint32_t Get(int x, int y) const = 0;
  virtual void Set(int x, int y, uint32_t colour) = 0;
};

// Softens the rounded shadow's stair-stepped edge: pixels of exactly
// `match` in the lower right, upper right and lower left corner areas
// become the average of their four neighbours, read as the pass goes.
void SmoothShadowEdge(PixelSurface& surface, int depth, int corner, uint32_t match);

}  // namespace Widgets
