#include "host/settings/music_path.h"

namespace Ondrel_B {
namespace {

bool Keepable(std::wstring_view path, const ExactEncoder& encode) {
  if (path.empty()) return false;
  const auto bytes = encode(path);
  return bytes && bytes->size() <= kMaxStoredPathBytes;
}

}  // namespace

std::optional<std::wstring> StorablePath(std::wstring_view chosen, std::wstring_view shortForm,
                                         const ExactEncoder& encode) {
  if (Keepable(chosen, encode)) return std::wstring(chosen);
  if (Keepable(shortForm, encode)) return std::wstring(shortForm);
  return std::nullopt;
}

}  // namespace Ondrel_B
