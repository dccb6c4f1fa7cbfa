// frame_rate: the renderer's frame drawing against the cheapest loop in an
// identical window (same class style, popup, pixel format and context):
//   frame_rate <renderer|clear> <width> <height> <seconds> <snapshot>
// prints "first_frame_ms=<ms since process creation> fps=<frames a second>".
// The renderer mode runs InitScene and RenderFrame on the snapshot; the clear
// mode only clears and swaps. bench/run-frame-rate.sh prints their ratios.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "renderer/gl_api.h"
#include "renderer/render.h"
#include "renderer/scene.h"
#include "renderer/wgl_win32.h"

namespace {

struct Bench {
  HDC dc = nullptr;
  GlContext context;
  Scene scene;
};

Bench& State() {
  static Bench b;
  return b;
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_CREATE) {
    State().dc = GetDC(w);
    SetupPixelFormat(State().dc);
    State().context.Create(State().dc);
    return 0;
  }
  if (m == WM_SIZE) {
    State().scene.clientWidth = LOWORD(lp);
    State().scene.clientHeight = HIWORD(lp);
    glViewport(0, 0, LOWORD(lp), HIWORD(lp) ? HIWORD(lp) : 1);
    return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// Milliseconds since this process was created.
double SinceCreation() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER c{}, n{};
  c.LowPart = created.dwLowDateTime, c.HighPart = created.dwHighDateTime;
  n.LowPart = now.dwLowDateTime, n.HighPart = now.dwHighDateTime;
  return static_cast<double>(n.QuadPart - c.QuadPart) / 1e4;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: frame_rate <renderer|clear> <width> <height> <seconds> <snapshot>\n");
    return 2;
  }
  const bool full = std::strcmp(argv[1], "renderer") == 0;
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const double seconds = std::atof(argv[4]);

  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Ondrel_VC_bench";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, wc.lpszClassName, WS_POPUP, 0, 0, width, height, nullptr,
                                nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  Bench& b = State();
  LARGE_INTEGER freq, start, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  if (full) InitScene(b.scene, argv[5]);

  long frames = 0;  // steady frames, counted after the first
  bool first = true;
  double firstFrameMs = 0;
  MSG msg{};
  for (;;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    QueryPerformanceCounter(&now);
    const double elapsed = Seconds(start, now, freq);
    if (!first && elapsed >= seconds) break;
    if (full) {
      b.scene.t = static_cast<float>(elapsed);
      RenderFrame(b.scene);
    } else {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    SwapBuffers(b.dc);
    if (first) {
      glFinish();
      firstFrameMs = SinceCreation();
      first = false;
      QueryPerformanceCounter(&start);
    } else {
      ++frames;
    }
  }
  QueryPerformanceCounter(&now);
  std::printf("first_frame_ms=%.1f fps=%.1f\n", firstFrameMs, frames / Seconds(start, now, freq));
  DestroyWindow(window);
  return 0;
}
