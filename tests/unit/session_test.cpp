#include <gtest/gtest.h>

#include "host/session/session_rules.h"
#include "host/session/snapshot_bmp.h"

namespace {

using namespace Ondrel_B;

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

TEST(SnapshotBmp, HeadersDescribeABottomUp24BitPictureWithPaddedRows) {
  struct Case { int32_t w, h; uint32_t stride; };
  const Case cases[] = {{1280, 1024, 3840}, {5, 3, 16}, {1, 1, 4}, {2, 2, 8}, {3, 7, 12}, {1366, 768, 4100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    EXPECT_EQ(Bmp24Stride(c.w), c.stride);
    const auto h = Bmp24Headers(c.w, c.h);
    ASSERT_TRUE(h.has_value());
    ASSERT_EQ(h->size(), 54u);
    EXPECT_EQ((*h)[0], 'B');
    EXPECT_EQ((*h)[1], 'M');
    EXPECT_EQ(U32(*h, 2), 54 + c.stride * c.h);  // bfSize: the whole file
    EXPECT_EQ(U32(*h, 10), 54u);                   // pixels right after the headers
    EXPECT_EQ(U32(*h, 14), 40u);
    EXPECT_EQ(static_cast<int32_t>(U32(*h, 18)), c.w);
    EXPECT_EQ(static_cast<int32_t>(U32(*h, 22)), c.h);  // positive: bottom row first
    EXPECT_EQ(U16(*h, 26), 1);
    EXPECT_EQ(U16(*h, 28), 24);
    EXPECT_EQ(U32(*h, 30), 0u);  // uncompressed
    EXPECT_EQ(U32(*h, 34), c.stride * c.h);
  }
}

TEST(SnapshotBmp, RefusesSizesWithoutAValidFile) {
  EXPECT_FALSE(Bmp24Headers(0, 768));
  EXPECT_FALSE(Bmp24Headers(1024, 0));
  EXPECT_FALSE(Bmp24Headers(-5, 10));
  EXPECT_FALSE(Bmp24Headers(40000, 40000));  // over 4 GiB: bfSize cannot hold it
  EXPECT_EQ(Bmp24Stride(0), 0u);
}

TEST(Session, MusicIsChosenOnceFromSourceAndUpperCasedEnding) {
  struct Case { int16_t kind; const wchar_t* file; MusicChoice choice; };
  const Case cases[] = {
      {2, L"C:\\m\\song.Mp3", MusicChoice::Mp3}, {2, L"C:\\m\\song.wav", MusicChoice::Wav},
      {2, L"C:\\曲.mP3", MusicChoice::Mp3},        {2, L"song.ogg", MusicChoice::None},
      {2, L"", MusicChoice::None},                  {2, L"av", MusicChoice::None},
      {2, L"ＷＡＶ", MusicChoice::None},              // full-width letters are not upper-cased
      {1, L"", MusicChoice::Cd},                     {1, L"C:\\m\\song.mp3", MusicChoice::Cd},
      {0, L"C:\\m\\song.mp3", MusicChoice::None}, {7, L"C:\\m\\song.wav", MusicChoice::None},
      {-1, L"song.mp3", MusicChoice::None},
      // Paths the media devices must not receive: nothing plays, whatever the ending.
      {2, L"C:\\m\\a\"b.mp3", MusicChoice::None}, {2, L"C:\\m\\x.mp3\" wait \"y.wav", MusicChoice::None},
      {2, L"C:\\m\\tab\t.wav", MusicChoice::None}, {1, L"C:\\m\\a\"b.mp3", MusicChoice::Cd},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseMusic(c.kind, c.file), c.choice) << c.kind << " " << testing::PrintToString(std::wstring(c.file));
  }
}

TEST(Session, RendererEndIsTheUsersOnExitCodeZeroAndAFailureOtherwiseWithinABudget) {
  using A = RendererAction;
  constexpr uint32_t kNow = 100000;
  const std::vector<uint32_t> none, one{kNow - 30000}, two{kNow - 50000, kNow - 1000},
      twoButOneOld{kNow - kFailureWindowMs, kNow - 1000};
  struct Case { const char* what; RendererSight sight; const std::vector<uint32_t>& failed; A action; };
  const Case cases[] = {
      {"Escape or WM_CLOSE", {false, true, false, 0}, none, A::EndSession},
      {"access violation after an earlier failure", {false, true, false, 0xC0000005}, one, A::Restart},
      {"crashed before its window", {false, false, false, 0xC0000005}, none, A::Restart},
      {"third failure in a minute", {false, true, false, 0xC0000005}, two, A::EndSession},
      {"older failures are forgiven", {false, true, false, 0xC0000005}, twoButOneOld, A::Restart},
      {"drawing", {true, true, true, 0, 60000, 0, true, kRendererHungMs - 1}, none, A::Keep},
      {"hung", {true, true, true, 0, 60000, 0, true, kRendererHungMs}, one, A::Restart},
      {"busy starting", {true, true, true, 0, kRendererGraceMs - 1, 0, false, 60000}, none, A::Keep},
      {"hung before its first answer", {true, true, true, 0, kRendererGraceMs, 0, false, 0}, none, A::Restart},
      {"window gone, process ending", {false, true, true, 0, 60000, 500}, none, A::Keep},
      {"window gone, process stuck", {false, true, true, 0, 60000, kRendererHungMs}, none, A::EndSession},
      {"window not up yet", {false, false, true, 0, kRendererGraceMs - 1}, none, A::Keep},
      {"window never came up", {false, false, true, 0, kRendererGraceMs}, none, A::EndSession},
  };
  for (const Case& c : cases) EXPECT_EQ(JudgeRenderer(c.sight, c.failed, kNow), c.action) << c.what;
}

TEST(Session, SnapshotIsKeptOnlyWhileARunningRendererMayStillReadIt) {
  struct Case { bool now, starting; uint32_t sinceSeen, sinceClose, wait; };
  const Case cases[] = {
      {false, false, 0, 0, 0},                   // renderer gone (Escape, killed, never started): at once
      {false, false, 100, 0, 0},                 // seen and gone meanwhile
      {true, false, 0, 0, kSnapshotReadMs},      // window just appeared: the whole time
      {true, false, 1500, 0, 500},               // the rest of it
      {true, false, kSnapshotReadMs, 0, 0},      // long up: read long ago
      {true, false, 60000, 0, 0},
      {false, true, 0, 0, kSnapshotReadMs},      // still starting: waited for from the close
      {false, true, 0, 1200, 800},
      {false, true, 0, kSnapshotReadMs, 0},      // and no longer
      {false, true, 0, 9999, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapshotWaitMs(c.now, c.starting, c.sinceSeen, c.sinceClose), c.wait)
        << c.now << c.starting << " " << c.sinceSeen << " " << c.sinceClose;
  }
}

TEST(Session, CurtainCoversAMonitorOnlyOnceItsPictureIsTakenAndLeavesOnesGone) {
  const MonitorRect a{0, 0, 1280, 1024}, b{1280, 0, 1024, 768}, b2{1280, 0, 800, 600};
  using Areas = std::vector<MonitorRect>;
  struct Case {
    const char* what;
    Areas covered, monitors, views, expected;
  } cases[] = {
      {"unchanged desk", {a, b}, {a, b}, {a, b}, {a, b}},
      {"renderer gone: kept", {a, b}, {a, b}, {}, {a, b}},
      {"joined, no picture yet", {a}, {a, b}, {a}, {a}},
      {"joined and drawn", {a}, {a, b}, {a, b}, {a, b}},
      {"unplugged", {a, b}, {a}, {a}, {a}},
      {"resized, old view", {a, b}, {a, b2}, {a, b}, {a}},
      {"resized and drawn, in the desk's order", {a}, {b2, a}, {b2, a}, {b2, a}},
  };
  for (const Case& c : cases) EXPECT_EQ(CurtainAreas(c.covered, c.monitors, c.views), c.expected) << c.what;
}

}  // namespace
