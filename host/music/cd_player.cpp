// Audio CD in the default drive ("cdaudio"), kept going by CdPoll.
#include <charconv>
#include <optional>
#include <string>

#include "host/base/ascii.h"
#include "host/base/ondrel_b.h"
#include "host/music/mci_command.h"
#include "host/music/mci_seam.h"
#include "host/music/ondrel_bgm.h"

namespace Ondrel_BGM {
namespace {

bool HasError(const std::wstring& statusText) {
  return Ondrel_B::AsciiUpper(statusText).find(L"ERR") != std::wstring::npos;
}

// A track reply as a number: decimal digits, blanks around them allowed.
// Anything else (empty, words, out of range) is not a track.
std::optional<int> TrackNumber(std::wstring_view text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == L' ') ++b;
  while (e > b && text[e - 1] == L' ') --e;
  std::string digits;
  for (size_t i = b; i < e; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    digits.push_back(static_cast<char>(text[i]));
  }
  int value = 0;
  const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || err != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

void CdOpen() {
  SendMciString(L"open cdaudio", 0);
  SendMciString(L"set cdaudio time format tmsf", 0);
}

void CdPoll(int16_t repeatTrack) {
  Ondrel_B::SharedState& s = Ondrel_B::Shared();
  s.KeepPolling = true;

  // No disc, drive not ready, no drive: give up watching for this session.
  const std::wstring track = MciStatus(L"status cdaudio current track");
  if (HasError(track)) {
    s.KeepPolling = false;
    return;
  }
  if (HasError(MciStatus(L"status cdaudio number of tracks"))) {
    s.KeepPolling = false;
    return;
  }
  const bool stopped =
      SendMciString(L"status cdaudio mode", kCdModeCapacity).text.compare(0, 7, L"stopped") == 0;

  if (repeatTrack == 0) {
    if (stopped) MciPlay(L"cdaudio", L"", L"");
    return;
  }
  // The drive answered something that is not a track: stop watching rather
  // than act on it.
  const std::optional<int> current = TrackNumber(track);
  if (!current) {
    s.KeepPolling = false;
    return;
  }
  if (stopped || *current != repeatTrack) {
    // Past the last track the position is an error text and the play fails;
    // that is tried again at every poll and changes nothing.
    const std::wstring start = MciStatus(L"status cdaudio position track " + std::to_wstring(repeatTrack));
    MciPlay(L"cdaudio", start, L"");
  }
}

void CdStop() {
  SendMciString(L"stop cdaudio", 0);
  SendMciString(L"close cdaudio", 0);
}

}  // namespace Ondrel_BGM
