#include "renderer/scene/reflect.h"

#include <gtest/gtest.h>

namespace {

// A panel in the plane z = 0, its normal +z, centred on the origin.
Facet Triangle(float z0, float z1, float z2) {
  return MakeFacet({0, 0, z0, 1}, {1, 0, z1, 1}, {0, 1, z2, 1}, {0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f});
}

TEST(ReflectFacet, MirrorsAFacetInFrontOfThePlane) {
  Reflector r;
  Facet f = Triangle(3, 4, 5);
  for (Vec4& c : f.corner) c.x += 100;  // the test is against the whole plane, not the square
  Facet out;
  ASSERT_TRUE(ReflectFacet(r, {0, 0, 10, 1}, f, out));
  const float z[3] = {-3, -4, -5};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(out.corner[i].x, f.corner[i].x);
    EXPECT_FLOAT_EQ(out.corner[i].y, f.corner[i].y);
    EXPECT_FLOAT_EQ(out.corner[i].z, z[i]);
    EXPECT_EQ(out.s[i], f.s[i]);
    EXPECT_EQ(out.t[i], f.t[i]);
  }
}

TEST(ReflectFacet, MirrorsInATiltedPlane) {
  Reflector r;
  r.position = Vec4{12, 12, -12, 1};
  TurnReflector(r, 0.6f, 0.3f);
  const Facet f = MakeFacet({10, 0, -10, 1}, {12, 0.3f, -10, 1}, {10, 0, -12, 1}, {0, 0}, {0, 0}, {0, 0});
  Facet out;
  ASSERT_TRUE(ReflectFacet(r, {12, 15, 8, 1}, f, out));
  const Vec4 q = r.corner[0] + r.position;
  for (int i = 0; i < 3; ++i) {
    // Equal distances either side, along the normal.
    EXPECT_NEAR(Dot(out.corner[i] - q, r.normal), -Dot(f.corner[i] - q, r.normal), 1e-4f);
    const Vec4 d = out.corner[i] - f.corner[i];
    const Vec4 side = Cross(d, r.normal);
    EXPECT_NEAR(Dot(side, side), 0.0f, 1e-6f);
  }
}

TEST(ReflectFacet, RefusesFacetsAndEyesThatCannotSeeAnImage) {
  struct Case {
    const char* what;
    Facet facet;
    float eyeZ;
    bool reflected;
  };
  const Case cases[] = {
      {"wholly in front", Triangle(1, 2, 3), 10, true},
      {"one corner behind the plane", Triangle(1, -0.01f, 3), 10, false},
      {"one corner exactly in the plane", Triangle(1, 0, 3), 10, false},
      {"wholly behind", Triangle(-1, -2, -3), 10, false},
      {"eye behind the plane", Triangle(1, 2, 3), -10, false},
      {"eye less than a unit in front", Triangle(1, 2, 3), 0.99f, false},
      {"eye exactly a unit in front", Triangle(1, 2, 3), 1, true},
  };
  for (const Case& c : cases) {
    Reflector r;
    Facet out;
    EXPECT_EQ(ReflectFacet(r, {0, 0, c.eyeZ, 1}, c.facet, out), c.reflected) << c.what;
  }
}

}  // namespace
