#include <gtest/gtest.h>

#include <cmath>

#include "renderer/scene/camera.h"
#include "renderer/scene/facet.h"
#include "renderer/scene/reflector.h"
#include "renderer/scene/wave_sheet.h"

namespace {

void ExpectNear(Vec4 v, float x, float y, float z, float tol = 1e-5f) {
  EXPECT_NEAR(v.x, x, tol);
  EXPECT_NEAR(v.y, y, tol);
  EXPECT_NEAR(v.z, z, tol);
}

TEST(WaveSheet, FacetAOfTheFirstCellAtTimeZero) {
  FacetList list;
  BuildWaveSheet(list, 0);
  ASSERT_EQ(list.Size(), 288u);
  const Facet& a = list[0];
  ExpectNear(a.corner[0], 0, 0, 0);
  ExpectNear(a.corner[1], 2, 0.4f * std::sin(1.0f), 0);
  ExpectNear(a.corner[2], 0, 0, -2);
  EXPECT_EQ(a.s[0], 0.0f);
  EXPECT_EQ(a.t[0], 0.0f);
  EXPECT_EQ(a.s[1], 0.083333336f);
  EXPECT_EQ(a.t[1], 0.0f);
  EXPECT_EQ(a.s[2], 0.0f);
  EXPECT_EQ(a.t[2], 0.083333336f);
  // (c2 - c1) x (c2 - c0), unit length.
  const Vec4 n = NormalizedOrKept(Cross(a.corner[2] - a.corner[1], a.corner[2] - a.corner[0]));
  ExpectNear(a.normal, n.x, n.y, n.z);
  EXPECT_NEAR(Dot(a.normal, a.normal), 1.0f, 1e-6f);
  for (const Vec4& c : a.corner) EXPECT_EQ(c.w, 1.0f);
}

TEST(WaveSheet, HeightFollowsColumnLinesAndTextureFollowsPosition) {
  for (float t : {0.0f, 0.37f, 5.0f}) {
    FacetList list;
    BuildWaveSheet(list, t);
    ASSERT_EQ(list.Size(), 288u);
    for (std::size_t i = 0; i < list.Size(); ++i) {
      const Facet& f = list[i];
      // Column by column, row by row, A before B.
      const int cell = static_cast<int>(i / 2), c = cell / 12, r = cell % 12;
      for (int k = 0; k < 3; ++k) {
        const Vec4 p = f.corner[k];
        EXPECT_TRUE(p.x == 2 * c || p.x == 2 * c + 2) << i;
        EXPECT_TRUE(p.z == -2 * r || p.z == -2 * r - 2) << i;
        EXPECT_NEAR(p.y, 0.4f * std::sin(10 * t + p.x / 2), 1e-5f) << i;
        EXPECT_NEAR(f.s[k], p.x / 24, 1e-6f) << i;
        EXPECT_NEAR(f.t[k], -p.z / 24, 1e-6f) << i;
      }
    }
  }
}

TEST(WaveSheet, RebuildReplacesTheSheetInTheSameStorage) {
  FacetList list;
  BuildWaveSheet(list, 0);
  const Facet* storage = list.begin();
  const float y = list[0].corner[1].y;
  BuildWaveSheet(list, 0.25f);
  EXPECT_EQ(list.Size(), 288u);
  EXPECT_EQ(list.begin(), storage);
  EXPECT_NE(list[0].corner[1].y, y);
}

TEST(Facet, DegenerateTriangleKeepsItsShortNormal) {
  const Vec4 p{1, 1, 1, 1};
  const Facet f = MakeFacet(p, p, Vec4{1, 1, 1.00001f, 1}, {0, 0}, {0, 0}, {0, 0});
  EXPECT_EQ(f.normal.x, 0.0f);
  EXPECT_EQ(f.normal.y, 0.0f);
  EXPECT_EQ(f.normal.z, 0.0f);
}

TEST(Reflector, TurnsAboutXThenY) {
  Reflector r;
  TurnReflector(r, 0.015f, 0.01f);
  // Corner 0 (-5, -5, 0): about X, then about Y.
  const float y = -5 * std::cos(0.015f), z1 = -5 * std::sin(0.015f);
  const float x = -5 * std::cos(0.01f) + z1 * std::sin(0.01f);
  const float z = z1 * std::cos(0.01f) + 5 * std::sin(0.01f);
  ExpectNear(r.corner[0], x, y, z, 1e-6f);
  ExpectNear(r.position, 0, 0, 0);
  // The normal is not turned; it is derived again on demand.
  ExpectNear(r.normal, 0, 0, 1);
}

TEST(Reflector, TurnsAccumulateInTheCorners) {
  Reflector r;
  for (int i = 0; i < 1000; ++i) TurnReflector(r, 0.015f, 0.01f);
  for (const Vec4& c : r.corner) EXPECT_NEAR(std::sqrt(Dot(c, c)), std::sqrt(50.0f), 1e-3f);
  // 1000 turns of 0.015 about X: far from where it started.
  EXPECT_GT(std::fabs(r.corner[0].z), 1.0f);
  UpdateReflectorNormal(r);
  EXPECT_NEAR(Dot(r.normal, r.normal), 1.0f, 1e-5f);
  EXPECT_NEAR(Dot(r.normal, r.corner[1] - r.corner[0]), 0.0f, 1e-4f);
}

TEST(Reflector, PlacedTiltIsAboutXAlone) {
  Reflector r;
  TurnReflectorX(r, 0.6f);
  ExpectNear(r.corner[0], -5, -5 * std::cos(0.6f), -5 * std::sin(0.6f));
  UpdateReflectorNormal(r);
  ExpectNear(r.normal, 0, -std::sin(0.6f), std::cos(0.6f));
}

TEST(Reflector, NormalKeepsWAndShortLengths) {
  Reflector r;
  r.normal.w = 7;
  UpdateReflectorNormal(r);
  ExpectNear(r.normal, 0, 0, 1);
  EXPECT_EQ(r.normal.w, 7.0f);
  for (Vec4& c : r.corner) c = Vec4{0, 0, 0, 1};
  r.corner[1].x = 1e-5f;
  r.corner[3].y = 1e-5f;
  UpdateReflectorNormal(r);
  EXPECT_FLOAT_EQ(r.normal.z, 1e-10f);  // too short to scale
}

TEST(Camera, CirclesTheLookAtPoint) {
  ExpectNear(EyeAt(0), 12, 15, 8);
  ExpectNear(EyeAt(2 * static_cast<float>(M_PI)), 12, 1, -32, 1e-4f);
  for (float t : {0.5f, 3.0f, 11.0f}) {
    const Vec4 e = EyeAt(t);
    EXPECT_NEAR(std::hypot(e.x - 12, e.z + 12), 20.0f, 1e-4f);
    EXPECT_EQ(e.w, 1.0f);
  }
}

}  // namespace
