#include <windows.h>

#include "renderer/window_size.h"

namespace {

constexpr const char* kSettingsFile = "C:\\q_dorn_temp\\Velnora.ini";

int32_t ReadDimension(const char* key, int32_t fallback) {
  const auto value = static_cast<int32_t>(GetPrivateProfileIntA("Settings", key, fallback, kSettingsFile));
  return value != 0 ? value : fallback;
}

}  // namespace

WindowSize ReadWindowSize() { return {ReadDimension("Width", 1024), ReadDimension("Height", 768)}; }
