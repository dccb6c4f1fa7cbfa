#include "tests/unit/scripted_mci.h"

#include <cstdio>

namespace velnora_test {
namespace {

constexpr wchar_t kPositionQuery[] = L"status cdaudio position track ";
constexpr wchar_t kPlayFrom[] = L"play cdaudio from ";

std::wstring Tmsf(int track) {
  wchar_t buf[16];
  std::swprintf(buf, 16, L"%02d:00:00:00", track);
  return buf;
}

bool StartsWith(const std::wstring& s, const wchar_t* prefix) { return s.rfind(prefix, 0) == 0; }

// A position as the drive hands it out; anything else is rejected.
std::optional<int> TrackOfPosition(const std::wstring& text) {
  int track = 0, rest = 0;
  wchar_t tail = 0;
  if (std::swscanf(text.c_str(), L"%2d:%2d:%2d:%2d%lc", &track, &rest, &rest, &rest, &tail) != 4) return std::nullopt;
  return track;
}

}  // namespace

Ondrel_BGM::MciReply ScriptedMci::Answer(const std::wstring& c) {
  if (auto it = scripted.find(c); it != scripted.end()) return it->second;
  if (c.find(L"cdaudio") != std::wstring::npos && !discPresent) return {kHardware, L""};
  if (c == L"open cdaudio" || c == L"set cdaudio time format tmsf") return {0, L""};
  if (c == L"stop cdaudio") {
    mode = L"stopped";
    return {0, L""};
  }
  if (c == L"close cdaudio") return {0, L""};
  if (c == L"status cdaudio current track") return {0, std::to_wstring(track)};
  if (c == L"status cdaudio number of tracks") return {0, std::to_wstring(tracks)};
  if (c == L"status cdaudio mode") return {0, mode};
  if (StartsWith(c, kPositionQuery)) {
    const int n = std::stoi(c.substr(std::wstring(kPositionQuery).size()));
    if (n < 1 || n > tracks) return {kOutOfRange, L""};
    return {0, Tmsf(n)};
  }
  if (c == L"play cdaudio") {
    mode = L"playing";
    return {0, L""};
  }
  if (StartsWith(c, kPlayFrom)) {
    const auto n = TrackOfPosition(c.substr(std::wstring(kPlayFrom).size()));
    if (!n || *n < 1 || *n > tracks) return {kOutOfRange, L""};
    track = *n;
    mode = L"playing";
    return {0, L""};
  }
  return {kUnrecognized, L""};
}

ScriptedMci& Mci() {
  static ScriptedMci mci;
  return mci;
}

void ResetMci() { Mci() = ScriptedMci(); }

}  // namespace velnora_test

// The seam, answered by the scripted device.
namespace Ondrel_BGM {

MciReply SendMciString(std::wstring_view command, size_t capacity) {
  auto& mci = velnora_test::Mci();
  mci.sent.push_back({std::wstring(command), capacity});
  MciReply reply = mci.Answer(std::wstring(command));
  // What a real reply buffer of this capacity would hold.
  reply.text = capacity == 0 ? std::wstring() : reply.text.substr(0, capacity - 1);
  return reply;
}

std::optional<std::wstring> MciErrorDescription(int32_t code, size_t capacity) {
  auto& mci = velnora_test::Mci();
  mci.descriptionCapacities.push_back(capacity);
  const auto it = mci.descriptions.find(code);
  if (it == mci.descriptions.end()) return std::nullopt;
  return it->second.substr(0, capacity - 1);
}

}  // namespace Ondrel_BGM
