#include "host/session_rules.h"

namespace Ondrel_B {

std::wstring MusicEnding(std::wstring_view file) {
  std::wstring ending(file.substr(file.size() < 3 ? 0 : file.size() - 3));
  for (wchar_t& c : ending) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  }
  return ending;
}

bool RendererHasEnded(bool windowNow, bool windowSeenBefore, bool processRunning, uint32_t msSinceStart) {
  if (windowNow) return false;
  if (windowSeenBefore || !processRunning) return true;
  return msSinceStart >= kRendererGraceMs;
}

}  // namespace Ondrel_B
