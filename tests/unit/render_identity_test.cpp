// The production drawing against the literal one (render_reference.cpp) on
// OSMesa (llvmpipe, 16-bit depth): colour and depth buffers must be equal
// byte for byte, frame after frame, with no tolerance at all. Planted faults
// in the production passes must show as a difference, so that equality is
// known to mean something.
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"
#include "renderer/scene/reflect.h"
#include "tests/unit/render_reference.h"
#include "tests/unit/snapshot_fixture.h"

// NOTE: Mesa keeps a few allocations of a destroyed OSMesa context for good.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }

namespace {

constexpr int kW = 1024, kH = 768;

using Drawing = std::function<void(Scene&, const Texture&)>;

// GL state a careless earlier pass or frame could leave behind; the
// production passes must not care. Depth testing, the projection and the
// texture environment are fixed for the run by InitScene and stay.
void LeaveStrayState() {
  glColorMask(GL_FALSE, GL_TRUE, GL_FALSE, GL_FALSE);
  glDepthMask(GL_FALSE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ZERO, GL_ONE);
  glEnable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, 0);
  glColor4f(0.2f, 0.4f, 0.6f, 0.3f);
}

const Drawing kProduction = [](Scene& s, const Texture& picture) {
  LeaveStrayState();
  RenderFrame(s, picture);
};

Drawing WithPasses(const FramePasses& passes) {
  return [passes](Scene& s, const Texture& picture) {
    UpdateScene(s, s.t);
    DrawFrame(s, picture, passes);
  };
}

// One drawing with its own context, buffers and scene, so that no GL state
// passes from one drawing to another.
class Rig {
 public:
  Rig(Drawing draw, const std::string& snapshot) : draw_(std::move(draw)), colour_(std::size_t{kW} * kH * 4) {
    ctx_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (ctx_ == nullptr) return;
    Current();
    glViewport(0, 0, kW, kH);
    scene_.emplace();
    picture_.emplace();
    InitScene(*scene_, *picture_, kW, kH, snapshot.c_str());
  }
  ~Rig() {
    if (ctx_ == nullptr) return;
    Current();
    picture_.reset();  // its name goes while its context is current
    OSMesaDestroyContext(ctx_);
  }
  Rig(const Rig&) = delete;
  Rig& operator=(const Rig&) = delete;

  bool Ready() const { return ctx_ != nullptr && scene_.has_value(); }
  Scene& scene() { return *scene_; }
  const std::vector<uint8_t>& colour() const { return colour_; }
  const std::vector<uint8_t>& depth() const { return depth_; }

  // Turns the panel by extra steps (as frames not drawn would), then draws
  // the frame for t and takes its depth buffer.
  void Frame(float t, int extraTurns) {
    Current();
    for (int i = 0; i < extraTurns; ++i) TurnReflector(scene_->reflector, kReflectorStepX, kReflectorStepY);
    scene_->t = t;
    draw_(*scene_, *picture_);
    glFinish();
    GLint w = 0, h = 0, bytes = 0;
    void* buffer = nullptr;
    ASSERT_TRUE(OSMesaGetDepthBuffer(ctx_, &w, &h, &bytes, &buffer));
    ASSERT_EQ(w, kW);
    ASSERT_EQ(h, kH);
    ASSERT_GE(bytes, 2);  // at least the 16 bits asked for
    const auto* p = static_cast<const uint8_t*>(buffer);
    depth_.assign(p, p + std::size_t{kW} * kH * bytes);
  }

 private:
  void Current() { ASSERT_TRUE(OSMesaMakeCurrent(ctx_, colour_.data(), GL_UNSIGNED_BYTE, kW, kH)); }

  Drawing draw_;
  OSMesaContext ctx_ = nullptr;
  std::vector<uint8_t> colour_;
  std::vector<uint8_t> depth_;
  std::optional<Scene> scene_;
  std::optional<Texture> picture_;
};

// Where two buffers first differ, and in how many bytes.
struct Difference {
  std::size_t bytes = 0;
  std::size_t first = 0;
};
Difference Compare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  Difference d;
  if (a.size() != b.size()) return {a.size() + b.size(), 0};
  if (std::memcmp(a.data(), b.data(), a.size()) == 0) return d;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) ++d.bytes, d.first = i;
  }
  return d;
}

// Elapsed time and extra panel steps before each compared frame: the eye
// goes once round the scene, so that it passes behind the panel's plane;
// for the first half the panel keeps near its starting attitude, then it
// tumbles 61 steps between frames.
struct Shot {
  float t;
  int extraTurns;
};
std::vector<Shot> Shots(int n) {
  std::vector<Shot> shots;
  for (int i = 0; i < n; ++i) {
    const float t = 0.1f + 12.6f * static_cast<float>(i) / static_cast<float>(n);
    shots.push_back({t, i < n / 2 ? 0 : 61});
  }
  return shots;
}

// How many pixels of an RGBA buffer are not the black background.
int Drawn(const std::vector<uint8_t>& rgba) {
  int n = 0;
  for (std::size_t i = 0; i < rgba.size(); i += 4) n += (rgba[i] | rgba[i + 1] | rgba[i + 2]) != 0;
  return n;
}

class RenderIdentity : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }

  void WriteSnapshot() {
    // Stripes of distinct colours: every texel row and column matters.
    const auto bytes = MakeBmp(1920, 1080, [](int x, int y) {
      return Rgb{static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), static_cast<uint8_t>((x + y) * 3)};
    });
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }

  std::string path_ = ::testing::TempDir() + "velnora_identity.alo";
};

// Per drawing: in how many frames its colour and its depth differed from the reference's.
struct Tally {
  int colourFrames = 0;
  int depthFrames = 0;
};

struct Comparison {
  int frames = 0;
  int eyeBehind = 0;     // frames whose eye saw no mirror
  int withImages = 0;    // frames that mirrored at least one facet
  std::vector<Tally> tally;
};

// Draws every shot with the reference and with each drawing, comparing both
// buffers after each frame.
Comparison DrawAndCompare(const std::string& snapshot, const std::vector<Drawing>& drawings, int frames) {
  Rig reference(ReferenceRenderFrame, snapshot);
  std::vector<std::unique_ptr<Rig>> rigs;
  for (const Drawing& d : drawings) rigs.push_back(std::make_unique<Rig>(d, snapshot));
  Comparison run;
  run.tally.resize(drawings.size());
  EXPECT_TRUE(reference.Ready());
  for (const auto& r : rigs) EXPECT_TRUE(r->Ready());
  if (::testing::Test::HasFailure()) return run;

  for (const Shot& shot : Shots(frames)) {
    reference.Frame(shot.t, shot.extraTurns);
    ++run.frames;
    const Scene& s = reference.scene();
    if (!EyeSeesMirror(s.reflector, s.eye)) ++run.eyeBehind;
    Facet image;
    Reflector r = s.reflector;
    for (const Facet& f : s.sheet) {
      if (ReflectFacet(r, s.eye, f, image)) {
        ++run.withImages;
        break;
      }
    }
    EXPECT_GT(Drawn(reference.colour()), kW * kH / 10) << "t=" << shot.t;
    for (std::size_t i = 0; i < rigs.size(); ++i) {
      rigs[i]->Frame(shot.t, shot.extraTurns);
      if (Compare(reference.colour(), rigs[i]->colour()).bytes != 0) ++run.tally[i].colourFrames;
      if (Compare(reference.depth(), rigs[i]->depth()).bytes != 0) ++run.tally[i].depthFrames;
    }
  }
  return run;
}

// The production drawing, frame by frame, with the first difference spelled out.
void ExpectIdentical(const std::string& snapshot, int frames) {
  Rig reference(ReferenceRenderFrame, snapshot), production(kProduction, snapshot);
  ASSERT_TRUE(reference.Ready() && production.Ready());
  int eyeBehind = 0, eyeInFront = 0;
  for (const Shot& shot : Shots(frames)) {
    reference.Frame(shot.t, shot.extraTurns);
    production.Frame(shot.t, shot.extraTurns);
    const Scene& s = production.scene();
    (EyeSeesMirror(s.reflector, s.eye) ? eyeInFront : eyeBehind) += 1;
    const Difference c = Compare(reference.colour(), production.colour());
    EXPECT_EQ(c.bytes, 0u) << "colour, t=" << shot.t << ": first at pixel (" << c.first / 4 % kW << ", "
                           << c.first / 4 / kW << ") channel " << c.first % 4 << ": "
                           << int{reference.colour()[c.first]} << " drawn as " << int{production.colour()[c.first]};
    const Difference d = Compare(reference.depth(), production.depth());
    EXPECT_EQ(d.bytes, 0u) << "depth, t=" << shot.t << ": first at byte " << d.first;
  }
  // The run covered both sides of the panel's plane.
  EXPECT_GE(eyeBehind, 3);
  EXPECT_GE(eyeInFront, 3);
}

TEST_F(RenderIdentity, ProductionDrawsTheLiteralFrameByteForByte) {
  WriteSnapshot();
  ExpectIdentical(path_, 24);
}

TEST_F(RenderIdentity, ProductionDrawsTheLiteralFrameWithoutASnapshot) {
  ExpectIdentical(path_ + ".missing", 20);
}

TEST_F(RenderIdentity, PlantedFaultsInThePassesShowAsADifference) {
  WriteSnapshot();
  struct Plant {
    const char* what;
    std::function<void(FramePasses&)> plant;
    bool colourChanges;  // false: only the depth buffer can tell
  };
  const Plant plants[] = {
      {"the ring textured with colour writes on",
       [](FramePasses& p) { p.surround.texture = p.surround.colourWrite = true; }, true},
      {"the mirror's blend and alpha left on into the sheet pass", [](FramePasses& p) { p.sheet = p.mirror; },
       true},
      {"the mirror drawn without its blend", [](FramePasses& p) { p.mirror.blend = false; }, true},
      {"the ring writing no depth", [](FramePasses& p) { p.surround.depthWrite = false; }, true},
      {"the panel's back writing no depth", [](FramePasses& p) { p.panelBack.depthWrite = false; }, false},
  };
  std::vector<Drawing> drawings{kProduction};
  for (const Plant& p : plants) {
    FramePasses passes = kFramePasses;
    p.plant(passes);
    drawings.push_back(WithPasses(passes));
  }
  const Comparison run = DrawAndCompare(path_, drawings, 21);
  ASSERT_EQ(run.frames, 21);
  EXPECT_GE(run.eyeBehind, 3);
  EXPECT_GE(run.withImages, 3);
  EXPECT_EQ(run.tally[0].colourFrames, 0) << "production";
  EXPECT_EQ(run.tally[0].depthFrames, 0) << "production";
  for (std::size_t i = 0; i < std::size(plants); ++i) {
    const Plant& p = plants[i];
    const Tally& t = run.tally[i + 1];
    std::printf("%s: colour differs in %d, depth in %d of %d frames\n", p.what, t.colourFrames, t.depthFrames,
                run.frames);
    if (p.colourChanges) {
      EXPECT_GT(t.colourFrames, 0) << p.what;
    } else {
      EXPECT_EQ(t.colourFrames, 0) << p.what;
      EXPECT_GT(t.depthFrames, 0) << p.what;
    }
  }
}

}  // namespace
