#include "host/settings/repeat_text.h"

#include "host/settings/number_text.h"
#include "host/base/rounding.h"

namespace Ondrel_B {

std::wstring RepeatText(int16_t track) { return track == 0 ? std::wstring() : std::to_wstring(track); }

int16_t RepeatFromText(std::wstring_view text) {
  const auto number = ReadNumber(text);
  // A track beyond 16 bits cannot be stored; it counts as no single track.
  if (!number || !(*number > -32769.0 && *number < 32768.0)) return 0;
  const long long track = RoundHalfEven(*number);
  if (track < -32768 || track > 32767) return 0;
  return static_cast<int16_t>(track);
}

std::vector<std::wstring> RepeatEntries() {
  std::vector<std::wstring> entries{std::wstring()};
  for (int track = 1; track <= 30; ++track) entries.push_back(std::to_wstring(track));
  return entries;
}

}  // namespace Ondrel_B
