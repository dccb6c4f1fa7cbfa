#include <windows.h>

#include "renderer/names.h"
#include "renderer/window_size.h"

namespace {

int32_t ReadDimension(const char* key, int32_t fallback) {
  const auto value = static_cast<int32_t>(GetPrivateProfileIntA(kScreenSection, key, fallback, kSettingsFile));
  return value != 0 ? value : fallback;
}

}  // namespace

WindowSize ReadWindowSize() { return {ReadDimension(kWidthKey, 1024), ReadDimension(kHeightKey, 768)}; }
