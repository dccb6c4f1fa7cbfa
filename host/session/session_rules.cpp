#include "host/session/session_rules.h"

#include <algorithm>

#include "host/base/ascii.h"
#include "host/base/ondrel_b.h"
#include "host/music/media_path.h"

namespace Ondrel_B {

MusicChoice ChooseMusic(int16_t bgmKind, std::wstring_view bgmFile) {
  if (bgmKind == kBgmCd) return MusicChoice::Cd;
  // A path the media devices must not receive plays nothing, and then no
  // music operation runs at all.
  if (bgmKind != kBgmFile || !Ondrel_BGM::IsPlayablePath(bgmFile)) return MusicChoice::None;
  const std::wstring ending = AsciiUpper(std::wstring(bgmFile.substr(bgmFile.size() < 3 ? 0 : bgmFile.size() - 3)));
  if (ending == L"WAV") return MusicChoice::Wav;
  if (ending == L"MP3") return MusicChoice::Mp3;
  return MusicChoice::None;
}

RendererAction JudgeRenderer(const RendererSight& s, const std::vector<uint32_t>& failedAtMs, uint32_t nowMs) {
  bool failed = false;
  if (!s.processRunning) {
    if (s.exitCode == 0) return RendererAction::EndSession;
    failed = true;
  } else if (s.windowNow) {
    failed = s.answered ? s.msSinceAnswer >= kRendererHungMs : s.msSinceStart >= kRendererGraceMs;
  } else if (s.windowSeenBefore) {
    return s.msSinceWindowSeen >= kRendererHungMs ? RendererAction::EndSession : RendererAction::Keep;
  } else {
    return s.msSinceStart >= kRendererGraceMs ? RendererAction::EndSession : RendererAction::Keep;
  }
  if (!failed) return RendererAction::Keep;
  size_t recent = 1;  // this one
  for (uint32_t at : failedAtMs) recent += nowMs - at < kFailureWindowMs ? 1 : 0;
  return recent < kFailureBudget ? RendererAction::Restart : RendererAction::EndSession;
}

uint32_t SnapshotWaitMs(bool windowNow, bool stillStarting, uint32_t msSinceWindowSeen, uint32_t msSinceClose) {
  if (windowNow) return msSinceWindowSeen < kSnapshotReadMs ? kSnapshotReadMs - msSinceWindowSeen : 0;
  if (stillStarting) return msSinceClose < kSnapshotReadMs ? kSnapshotReadMs - msSinceClose : 0;
  return 0;
}

std::vector<MonitorRect> CurtainAreas(const std::vector<MonitorRect>& covered,
                                      const std::vector<MonitorRect>& monitorsNow,
                                      const std::vector<MonitorRect>& rendererViews) {
  const auto listed = [](const std::vector<MonitorRect>& areas, const MonitorRect& a) {
    return std::find(areas.begin(), areas.end(), a) != areas.end();
  };
  std::vector<MonitorRect> areas;
  for (const MonitorRect& m : monitorsNow) {
    if (listed(covered, m) || listed(rendererViews, m)) areas.push_back(m);
  }
  return areas;
}

bool CurtainTakesKeyboard(bool windowNow, bool answered, uint32_t msSinceAnswer) {
  return !windowNow || (answered && msSinceAnswer >= kRendererSilentMs);
}

}  // namespace Ondrel_B
