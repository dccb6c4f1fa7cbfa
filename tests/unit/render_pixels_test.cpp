// Frames drawn by InitScene + RenderFrame on OSMesa (llvmpipe), compared with
// a ray-cast model of the scene computed here in double precision.
//
// Tolerances, and why:
// - Only every 8th pixel is checked, and only where the rays 1.5 px either
//   side hit the same surface and colour block: the rasteriser decides edge
//   pixels, the model does not.
// - Textured pixels closer to a block edge (in texture space) than twice
//   the pixel's texture footprint plus two texels are skipped: mipmap
//   selection and linear filtering blend across that distance.
// - Colours: 0 for the background (nothing else writes there), +-4 per
//   channel for textured pixels (GLU's rescale to power-of-two sides and
//   8-bit blending round), +-1 for the untextured panel faces.
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"
#include "tests/unit/snapshot_fixture.h"

// NOTE: Mesa keeps a few allocations of a destroyed OSMesa context for good.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }

namespace {

constexpr int kW = 1024, kH = 768;

Rgb BlockColour(int bx, int by) {
  return {static_cast<uint8_t>(30 + 60 * bx), static_cast<uint8_t>(30 + 60 * by),
          static_cast<uint8_t>(240 - 25 * (bx + by))};
}

// 4 x 4 blocks of distinct colours; block row 0 is the picture's bottom.
std::vector<uint8_t> BlockSnapshot() {
  return MakeBmp(kW, kH, [](int x, int y) { return BlockColour(x * 4 / kW, y * 4 / kH); });
}

struct D3 {
  double x, y, z;
};
D3 operator-(D3 a, D3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
D3 operator+(D3 a, D3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
D3 operator*(double k, D3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(D3 a, D3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
D3 Cross(D3 a, D3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
D3 D(Vec4 v) { return {v.x, v.y, v.z}; }

struct Hit {
  double dist = INFINITY;
  double s = 0, t = 0;
};

// Ray against triangle (Moller-Trumbore); updates hit when nearer.
void Intersect(D3 o, D3 d, D3 a, D3 b, D3 c, const double st[3][2], Hit& hit) {
  const D3 e1 = b - a, e2 = c - a, p = Cross(d, e2);
  const double det = Dot(e1, p);
  if (std::fabs(det) < 1e-12) return;
  const D3 q = o - a;
  const double u = Dot(q, p) / det;
  const D3 r = Cross(q, e1);
  const double v = Dot(d, r) / det;
  const double dist = Dot(e2, r) / det;
  if (u < 0 || v < 0 || u + v > 1 || dist <= 1e-9 || dist >= hit.dist) return;
  hit.dist = dist;
  hit.s = (1 - u - v) * st[0][0] + u * st[1][0] + v * st[2][0];
  hit.t = (1 - u - v) * st[0][1] + u * st[1][1] + v * st[2][1];
}

enum class Kind { kBackground, kSheet, kPanelFront, kPanelBack, kReflection };
const char* const kKindName[] = {"background", "sheet", "panel front", "panel back", "reflection"};

struct Sample {
  Kind kind = Kind::kBackground;
  double s = 0, t = 0;
  int Block() const {
    return std::clamp(static_cast<int>(std::floor(s * 4)), 0, 3) +
           4 * std::clamp(static_cast<int>(std::floor(t * 4)), 0, 3);
  }
  bool Textured() const { return kind == Kind::kSheet || kind == Kind::kReflection; }
};

// The scene as the frame drew it, and the camera it drew it with.
class Model {
 public:
  explicit Model(const Scene& scene) : scene_(scene) {
    glGetDoublev(GL_MODELVIEW_MATRIX, model_);
    glGetDoublev(GL_PROJECTION_MATRIX, proj_);
    glGetIntegerv(GL_VIEWPORT, view_);
    eye_ = D(scene.eye);
    forward_ = D(scene.lookAt) - eye_;
    forward_ = (1 / std::sqrt(Dot(forward_, forward_))) * forward_;
    const Reflector& r = scene.reflector;
    normal_ = D(r.normal);
    for (int i = 0; i < 4; ++i) panel_[i] = D(r.corner[i]) + D(r.position);
    eyeInFront_ = Dot(eye_ - panel_[0], normal_) >= 1;
  }

  Sample At(double px, double py) const {
    D3 nearP, farP;
    gluUnProject(px, py, 0, model_, proj_, view_, &nearP.x, &nearP.y, &nearP.z);
    gluUnProject(px, py, 1, model_, proj_, view_, &farP.x, &farP.y, &farP.z);
    D3 d = farP - eye_;
    d = (1 / std::sqrt(Dot(d, d))) * d;
    const Hit sheet = Visible(CastSheet(eye_, d, false), d);
    Hit panel;
    const double none[3][2] = {};
    Intersect(eye_, d, panel_[0], panel_[1], panel_[2], none, panel);
    Intersect(eye_, d, panel_[0], panel_[2], panel_[3], none, panel);
    panel = Visible(panel, d);
    Sample out;
    if (panel.dist < sheet.dist) {
      if (Dot(d, normal_) >= 0) {
        out.kind = Kind::kPanelBack;
        return out;
      }
      out.kind = Kind::kPanelFront;
      if (!eyeInFront_) return out;
      // The mirror image lies behind the plane along the same ray.
      const D3 p = eye_ + panel.dist * d;
      const D3 m = d - (2 * Dot(d, normal_)) * normal_;
      Hit image = CastSheet(p, m, true);
      image.dist += panel.dist;
      image = Visible(image, d);
      if (image.dist < sheet.dist) {
        out.kind = Kind::kReflection;
        out.s = image.s;
        out.t = image.t;
      }
      return out;
    }
    if (sheet.dist < INFINITY) {
      out.kind = Kind::kSheet;
      out.s = sheet.s;
      out.t = sheet.t;
    }
    return out;
  }

 private:
  // The far plane at 50 cuts off what lies beyond it.
  Hit Visible(Hit h, D3 d) const { return h.dist * Dot(d, forward_) < 50 ? h : Hit{}; }

  Hit CastSheet(D3 o, D3 d, bool onlyMirrored) const {
    Hit hit;
    for (const Facet& f : scene_.sheet) {
      D3 w[3];
      bool front = true;
      for (int i = 0; i < 3; ++i) {
        w[i] = D(f.corner[i]);
        front = front && Dot(w[i] - panel_[0], normal_) > 0;
      }
      if (onlyMirrored && !front) continue;
      const double st[3][2] = {{f.s[0], f.t[0]}, {f.s[1], f.t[1]}, {f.s[2], f.t[2]}};
      Intersect(o, d, w[0], w[1], w[2], st, hit);
    }
    return hit;
  }

  const Scene& scene_;
  double model_[16], proj_[16];
  GLint view_[4];
  D3 eye_, forward_, normal_, panel_[4];
  bool eyeInFront_;
};

struct Tally {
  std::array<int, 5> checked{};
  int mismatches = 0;
};

class RenderPixels : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    ASSERT_NE(ctx_, nullptr);
    pixels_.assign(static_cast<std::size_t>(kW) * kH * 4, 0x55);
    ASSERT_TRUE(OSMesaMakeCurrent(ctx_, pixels_.data(), GL_UNSIGNED_BYTE, kW, kH));
    glViewport(0, 0, kW, kH);
    scene_.emplace();
    picture_.emplace();
  }
  void TearDown() override {
    picture_.reset();  // its name goes while the context is current
    if (ctx_) OSMesaDestroyContext(ctx_);
    std::remove(path_.c_str());
  }

  void WriteSnapshot(const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }

  void Frame(float t) {
    scene_->t = t;
    RenderFrame(*scene_, *picture_);
    glFinish();
  }

  const uint8_t* Pixel(int x, int y) const { return &pixels_[(static_cast<std::size_t>(y) * kW + x) * 4]; }

  // Checks the frame against the model; textured says whether the sheet
  // carries the block snapshot or is plain white.
  Tally Check(bool textured) {
    const Model model(*scene_);
    Tally tally;
    for (int y = 4; y < kH; y += 8) {
      for (int x = 4; x < kW; x += 8) {
        const double cx = x + 0.5, cy = y + 0.5;
        const Sample c = model.At(cx, cy);
        const Sample around[4] = {model.At(cx - 1.5, cy), model.At(cx + 1.5, cy), model.At(cx, cy - 1.5),
                                  model.At(cx, cy + 1.5)};
        bool stable = true;
        for (const Sample& n : around)
          stable = stable && n.kind == c.kind && (!c.Textured() || n.Block() == c.Block());
        if (!stable) continue;
        if (textured && c.Textured()) {
          const Sample dx = model.At(cx + 1, cy), dy = model.At(cx, cy + 1);
          const double foot = std::max({std::fabs(dx.s - c.s), std::fabs(dx.t - c.t), std::fabs(dy.s - c.s),
                                        std::fabs(dy.t - c.t)});
          auto edge = [](double v) { return std::fabs(v * 4 - std::round(v * 4)) / 4; };
          if (std::min(edge(c.s), edge(c.t)) < 2 * foot + 2.0 / 512) continue;
        }
        Rgb want{0, 0, 0};
        int tol = 0;
        const int block = c.Block();
        const Rgb texel = textured ? BlockColour(block % 4, block / 4) : Rgb{255, 255, 255};
        switch (c.kind) {
          case Kind::kBackground: break;
          case Kind::kSheet: want = texel, tol = 4; break;
          case Kind::kPanelFront: want = {255, 255, 255}, tol = 1; break;
          case Kind::kPanelBack: want = {128, 128, 128}, tol = 1; break;
          case Kind::kReflection: {
            // 90 % image over the white front face.
            auto mix = [](uint8_t v) { return static_cast<uint8_t>(std::lround(0.9 * v + 25.5)); };
            want = {mix(texel.r), mix(texel.g), mix(texel.b)}, tol = 4;
            break;
          }
        }
        ++tally.checked[static_cast<int>(c.kind)];
        const uint8_t* p = Pixel(x, y);
        const bool ok = std::abs(p[0] - want.r) <= tol && std::abs(p[1] - want.g) <= tol &&
                        std::abs(p[2] - want.b) <= tol;
        if (!ok && ++tally.mismatches <= 10) {
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") " << kKindName[static_cast<int>(c.kind)] << " s=" << c.s
                        << " t=" << c.t << ": got " << int{p[0]} << "," << int{p[1]} << "," << int{p[2]}
                        << " want " << int{want.r} << "," << int{want.g} << "," << int{want.b};
        }
      }
    }
    std::printf("checked:");
    for (int k = 0; k < 5; ++k) std::printf(" %s %d", kKindName[k], tally.checked[k]);
    std::printf("\n");
    return tally;
  }

  OSMesaContext ctx_ = nullptr;
  std::vector<uint8_t> pixels_;
  std::optional<Scene> scene_;
  std::optional<Texture> picture_;
  std::string path_ = ::testing::TempDir() + "velnora_snapshot.alo";
};

TEST_F(RenderPixels, InitScenePlacesTheSceneAndSetsTheFixedState) {
  WriteSnapshot(BlockSnapshot());
  InitScene(*scene_, *picture_, kW, kH, path_.c_str());
  const Reflector& r = scene_->reflector;
  EXPECT_FLOAT_EQ(r.position.x, 12);
  EXPECT_FLOAT_EQ(r.position.y, 12);
  EXPECT_FLOAT_EQ(r.position.z, -12);
  EXPECT_NEAR(r.corner[0].x, -5, 1e-6);
  EXPECT_NEAR(r.corner[0].y, -5 * std::cos(0.6), 1e-6);
  EXPECT_NEAR(r.corner[0].z, -5 * std::sin(0.6), 1e-6);
  Reflector n = r;
  UpdateReflectorNormal(n);
  EXPECT_NEAR(n.normal.y, -std::sin(0.6), 1e-6);
  EXPECT_NEAR(n.normal.z, std::cos(0.6), 1e-6);
  EXPECT_EQ(scene_->lookAt.x, 12.0f);
  EXPECT_EQ(scene_->lookAt.y, 4.0f);
  EXPECT_EQ(scene_->lookAt.z, -12.0f);

  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  GLdouble proj[16];
  glGetDoublev(GL_PROJECTION_MATRIX, proj);
  const double f = 1 / std::tan(M_PI / 6);  // 60 degrees vertical
  EXPECT_NEAR(proj[0], f * 768 / 1024, 1e-6);
  EXPECT_NEAR(proj[5], f, 1e-6);
  EXPECT_NEAR(proj[10], -51.0 / 49, 1e-6);
  EXPECT_NEAR(proj[14], -100.0 / 49, 1e-6);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);

  // The snapshot is the bound texture, scaled to power-of-two sides.
  GLint bound = 0, w = 0, h = 0, minFilter = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), picture_->handle - 1);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(w, 1024);
  EXPECT_TRUE(h == 512 || h == 1024) << h;
  EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
  EXPECT_EQ(picture_->width, kW);
  EXPECT_EQ(picture_->height, kH);
  EXPECT_STREQ(picture_->fileName, path_.c_str());
}

TEST_F(RenderPixels, ReloadingReleasesTheFirstTextureName) {
  WriteSnapshot(BlockSnapshot());
  ASSERT_TRUE(LoadBitmapTexture(*picture_, path_.c_str()));
  const GLuint first = picture_->handle - 1;
  EXPECT_TRUE(glIsTexture(first));
  // A bad file still leaves a fresh, bound name, without an image.
  WriteSnapshot({'B', 'X'});
  EXPECT_FALSE(LoadBitmapTexture(*picture_, path_.c_str()));
  EXPECT_FALSE(glIsTexture(first));
  GLint bound = 0, w = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), picture_->handle - 1);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  EXPECT_EQ(w, 0);
  ReleaseTexture(*picture_);
  EXPECT_EQ(picture_->handle, 0u);
}

// Windows' own software OpenGL takes textures of 1024 at most; no GL may be
// handed a larger one, so the picture is scaled down first, still upright.
TEST_F(RenderPixels, APictureBeyondTheLargestTextureGoesInScaledDownToIt) {
  const std::vector<uint8_t> bmp = BlockSnapshot();
  SnapshotImage image;
  ASSERT_TRUE(DecodeSnapshot(bmp.data(), bmp.size(), image));
  PrepareTexture(*picture_, "limited");
  ASSERT_TRUE(UploadSnapshot(*picture_, image, 256));
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  EXPECT_EQ(w, 256);
  EXPECT_EQ(h, 256);
  std::vector<uint8_t> level(256 * 256 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, level.data());
  for (int by = 0; by < 4; ++by) {
    for (int bx = 0; bx < 4; ++bx) {
      const uint8_t* texel = &level[((by * 64 + 32) * 256 + bx * 64 + 32) * 3];
      const Rgb c = BlockColour(bx, by);
      EXPECT_EQ(std::vector<int>(texel, texel + 3), (std::vector<int>{c.r, c.g, c.b})) << bx << "," << by;
    }
  }
}

TEST_F(RenderPixels, ReflectorTurnsOnceAFrameWhateverTheTime) {
  InitScene(*scene_, *picture_, kW, kH, path_.c_str());
  Reflector expected = scene_->reflector;
  for (float t : {0.0f, 0.0f, 100.0f}) {
    Frame(t);
    TurnReflector(expected, 0.015f, 0.01f);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(scene_->reflector.corner[i].x, expected.corner[i].x);
    EXPECT_FLOAT_EQ(scene_->reflector.corner[i].y, expected.corner[i].y);
    EXPECT_FLOAT_EQ(scene_->reflector.corner[i].z, expected.corner[i].z);
  }
}

TEST_F(RenderPixels, FrameShowsTheSnapshotUprightAndItsImageOnlyInThePanel) {
  WriteSnapshot(BlockSnapshot());
  InitScene(*scene_, *picture_, kW, kH, path_.c_str());
  Frame(0);  // eye at (12, 15, 8), in front of the panel
  const Tally tally = Check(true);
  EXPECT_EQ(tally.mismatches, 0);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kBackground)], 1000);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kSheet)], 1000);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kReflection)], 100);
}

TEST_F(RenderPixels, EyeBehindThePanelSeesItsGreyBackAndNoImage) {
  WriteSnapshot(BlockSnapshot());
  InitScene(*scene_, *picture_, kW, kH, path_.c_str());
  Frame(2 * static_cast<float>(M_PI));  // eye at (12, 1, -32)
  const Tally tally = Check(true);
  EXPECT_EQ(tally.mismatches, 0);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kPanelBack)], 100);
  EXPECT_EQ(tally.checked[static_cast<int>(Kind::kReflection)], 0);
}

TEST_F(RenderPixels, WithoutASnapshotTheSheetIsPlainWhite) {
  InitScene(*scene_, *picture_, kW, kH, (path_ + ".missing").c_str());
  Frame(0);
  const Tally tally = Check(false);
  EXPECT_EQ(tally.mismatches, 0);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kSheet)], 1000);
  EXPECT_GT(tally.checked[static_cast<int>(Kind::kReflection)], 100);
}

}  // namespace
