#include "renderer/app/renderer_win32.h"

Renderer& App() {
  static Renderer app;
  return app;
}

int64_t Now() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}
