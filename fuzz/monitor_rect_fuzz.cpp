// Fuzz target for the renderer's reading of a further monitor's rectangle:
// it must agree with a plain model built on strtoll (four comma-separated
// fields, each an optional sign and one to ten digits within blanks; sides
// 1..16384, edges within +-32767), and whatever it takes, written back the
// way the host writes it, reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/session/monitor_layout.h"
#include "renderer/scene/monitor_list.h"

namespace {

bool ModelField(const std::string& field, long long& out) {
  size_t a = field.find_first_not_of(" \t"), b = field.find_last_not_of(" \t");
  if (a == std::string::npos) return false;
  const std::string core = field.substr(a, b - a + 1);
  const size_t digits = core.size() - (core[0] == '+' || core[0] == '-' ? 1 : 0);
  if (digits < 1 || digits > 10 || core.find_first_not_of("0123456789", core.size() - digits) != std::string::npos)
    return false;
  out = std::strtoll(core.c_str(), nullptr, 10);
  return true;
}

bool Model(const std::string& text, long long v[4]) {
  size_t from = 0;
  for (int k = 0; k < 4; ++k) {
    const size_t comma = k < 3 ? text.find(',', from) : text.size();
    if (comma == std::string::npos || !ModelField(text.substr(from, comma - from), v[k])) return false;
    from = comma + 1;
  }
  for (int k = 0; k < 2; ++k) {
    if (v[k + 2] < 1 || v[k + 2] > 16384 || v[k] < -32767 || v[k] + v[k + 2] > 32767) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  // The profile functions hand over no line ends or zero bytes.
  if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return 0;
  long long v[4];
  const bool expected = Model(text, v);
  const std::optional<MonitorRect> r = ParseMonitorRect(text);
  if (r.has_value() != expected) std::abort();
  if (!r) return 0;
  if (r->left != v[0] || r->top != v[1] || r->width != v[2] || r->height != v[3]) std::abort();
  const std::wstring w = Ondrel_B::MonitorValue({r->left, r->top, r->width, r->height});
  const std::optional<MonitorRect> again = ParseMonitorRect(std::string(w.begin(), w.end()));
  if (!(again == r)) std::abort();
  return 0;
}
