#include "renderer/scene/wave_sheet.h"

#include <cmath>

void BuildWaveSheet(FacetList& list, float t) {
  // 1/12 rounded to single precision; texture coordinates are index times this.
  constexpr float kStep = 0.083333336f;
  list.Clear();
  for (int c = 0; c < kSheetCells; ++c) {
    for (int r = 0; r < kSheetCells; ++r) {
      const float fc = static_cast<float>(c);
      const float fr = static_cast<float>(r);
      const float y0 = 0.4f * std::sin(10.0f * t + fc);
      const float y1 = 0.4f * std::sin(10.0f * t + fc + 1.0f);
      const float x0 = 2.0f * fc;
      const float x1 = 2.0f * fc + 2.0f;
      const float z0 = -2.0f * fr;
      const float z1 = -2.0f * fr - 2.0f;
      const Vec4 p00{x0, y0, z0, 1}, p10{x1, y1, z0, 1};
      const Vec4 p01{x0, y0, z1, 1}, p11{x1, y1, z1, 1};
      const float s0 = fc * kStep, s1 = static_cast<float>(c + 1) * kStep;
      const float u0 = fr * kStep, u1 = static_cast<float>(r + 1) * kStep;
      list.Append(MakeFacet(p00, p10, p01, {s0, u0}, {s1, u0}, {s0, u1}));
      list.Append(MakeFacet(p10, p11, p01, {s1, u0}, {s1, u1}, {s0, u1}));
    }
  }
}
