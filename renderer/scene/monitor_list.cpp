#include "renderer/scene/monitor_list.h"

#include "renderer/scene/snapshot.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One integer of at most ten digits, with an optional sign, blanks around it;
// moves text past it.
std::optional<int64_t> TakeNumber(std::string_view& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t first = i;
  int64_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    if (i - first == 10) return std::nullopt;
    value = value * 10 + (text[i++] - '0');
  }
  if (i == first) return std::nullopt;
  while (i < text.size() && IsBlank(text[i])) ++i;
  text.remove_prefix(i);
  return negative ? -value : value;
}

}  // namespace

std::optional<MonitorRect> ParseMonitorRect(std::string_view text) {
  int64_t v[4];
  for (int k = 0; k < 4; ++k) {
    if (k > 0) {
      if (text.empty() || text.front() != ',') return std::nullopt;
      text.remove_prefix(1);
    }
    const std::optional<int64_t> n = TakeNumber(text);
    if (!n) return std::nullopt;
    v[k] = *n;
  }
  if (!text.empty()) return std::nullopt;
  const int64_t limit = kMaxScreenCoordinate;
  for (int k = 2; k < 4; ++k) {
    if (v[k] < 1 || v[k] > kMaxSnapshotSide) return std::nullopt;
  }
  for (int k = 0; k < 2; ++k) {
    if (v[k] < -limit || v[k] + v[k + 2] > limit) return std::nullopt;
  }
  return MonitorRect{static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2]),
                     static_cast<int32_t>(v[3])};
}
