// frame_rate: one contender of the frame-rate bench in a window like the
// renderer's (same class style, popup at (0, 0), pixel format, context):
//   frame_rate <renderer|previous|clear> <width> <height> <seconds | fN> <snapshot> [<W>x<H> <picture>]
// renderer: InitScene, then RenderFrame; previous: InitScene, then the
// literal drawing the renderer replaced (tests/unit/render_reference.cpp);
// clear: the minimal GL program, clearing and swapping only.
// "5" draws for 5 s on the real clock, as the saver does; "f300" draws 300
// frames at t = i / 60 s whatever they cost, the same frames for every
// contender. Frames are counted after the first. Prints one line of
// name=value pairs: fps, the start-up stages in ms since the process was
// created, the first frame's wall-clock time (Unix seconds, for the script
// to measure from the launch of wine), and for the two drawings the snapshot
// load taken apart again after the run. With a second size and picture, the
// renderer draws as on two monitors: a second window of that size beside the
// first, with a context and picture of its own, both drawing one moment a
// round (the further window first, its swap not waiting); fps then counts rounds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "renderer/app/wgl_win32.h"
#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"
#include "renderer/scene/file_bytes.h"
#include "tests/unit/render_reference.h"

namespace {

// The second monitor's window.
struct Further {
  HDC dc = nullptr;
  GlContext context;
  Texture picture;
  int width = 0, height = 0;
};

struct Bench {
  Further further;
  HDC dc = nullptr;
  GlContext context;
  Scene scene;
  Texture picture;
  int width = 0, height = 0;
  double pixelFormatMs = 0, contextMs = 0;
};

Bench& State() {
  static Bench b;
  return b;
}

ULONGLONG FileTimeTicks(FILETIME f) { return ULARGE_INTEGER{{f.dwLowDateTime, f.dwHighDateTime}}.QuadPart; }

ULONGLONG CreationTicks() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return FileTimeTicks(created);
}

ULONGLONG NowTicks() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return FileTimeTicks(now);
}

// Milliseconds since this process was created.
double SinceCreation() { return static_cast<double>(NowTicks() - CreationTicks()) / 1e4; }

// A FILETIME count (100 ns since 1601) as Unix seconds.
double UnixSeconds(ULONGLONG ticks) { return static_cast<double>(ticks) / 1e7 - 11644473600.0; }

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  Bench& b = State();
  if (GetWindowLongPtrA(w, GWLP_USERDATA) != 0) {  // the second window
    if (m == WM_CREATE) {
      b.further.dc = GetDC(w);
      if (!SetupPixelFormat(b.further.dc) || !b.further.context.Create(b.further.dc)) return -1;
      SwapWithoutWaiting();
      return 0;
    }
    if (m == WM_SIZE) {
      b.further.width = LOWORD(lp);
      b.further.height = HIWORD(lp);
      b.further.context.MakeCurrent();
      glViewport(0, 0, LOWORD(lp), HIWORD(lp) ? HIWORD(lp) : 1);
      return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  }
  if (m == WM_NCCREATE) {
    SetWindowLongPtrA(w, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    if (reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams) return Proc(w, m, wp, lp);
  }
  if (m == WM_CREATE) {
    b.dc = GetDC(w);
    const double start = SinceCreation();
    if (!SetupPixelFormat(b.dc)) return -1;
    b.pixelFormatMs = SinceCreation() - start;
    if (!b.context.Create(b.dc)) return -1;
    b.contextMs = SinceCreation() - start - b.pixelFormatMs;
    return 0;
  }
  if (m == WM_SIZE) {
    b.width = LOWORD(lp);
    b.height = HIWORD(lp);
    glViewport(0, 0, LOWORD(lp), HIWORD(lp) ? HIWORD(lp) : 1);
    return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double MsSince(LARGE_INTEGER a, LARGE_INTEGER f) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1e3 * Seconds(a, now, f);
}

// The snapshot load once more, piece by piece, into a texture of its own.
void TimeSnapshotLoad(const char* path) {
  LARGE_INTEGER f, t0;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return;
  const double read = MsSince(t0, f);
  QueryPerformanceCounter(&t0);
  SnapshotImage image;
  if (!DecodeSnapshot(bytes.data(), bytes.size(), image)) return;
  const double decode = MsSince(t0, f);
  Texture tex;
  QueryPerformanceCounter(&t0);
  PrepareTexture(tex, path);
  if (!UploadSnapshot(tex, image, MaxTextureSide())) return;
  glFinish();
  const double mipmaps = MsSince(t0, f);
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  std::printf(" again_read_ms=%.1f again_decode_ms=%.2f again_mipmaps_ms=%.1f level0=%dx%d", read, decode, mipmaps, w,
              h);
}

}  // namespace

int main(int argc, char** argv) {
  const double mainMs = SinceCreation();
  if (argc < 6) {
    std::fprintf(stderr, "usage: frame_rate <renderer|previous|clear> <width> <height> <seconds|fN> <snapshot>\n");
    return 2;
  }
  const char* mode = argv[1];
  const bool renderer = std::strcmp(mode, "renderer") == 0, previous = std::strcmp(mode, "previous") == 0;
  const bool drawing = renderer || previous;
  if (!drawing && std::strcmp(mode, "clear") != 0) return 2;
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const bool fixed = argv[4][0] == 'f';
  const double seconds = fixed ? 0 : std::atof(argv[4]);
  const long fixedFrames = fixed ? std::atol(argv[4] + 1) : 0;

  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Ondrel_VC_bench";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, wc.lpszClassName, WS_POPUP, 0, 0, width, height, nullptr,
                                nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  const double windowMs = SinceCreation();
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  const double shownMs = SinceCreation();
  Bench& b = State();
  LARGE_INTEGER freq, start, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  if (drawing) InitScene(b.scene, b.picture, b.width, b.height, argv[5]);
  int secondW = 0, secondH = 0;
  const bool two = renderer && argc >= 8 && std::sscanf(argv[6], "%dx%d", &secondW, &secondH) == 2;
  if (two) {
    static int marker;  // any non-null creation data marks the second window
    HWND second = CreateWindowExA(0, wc.lpszClassName, "second", WS_POPUP, width, 0, secondW, secondH, nullptr,
                                  nullptr, wc.hInstance, &marker);
    if (!second) return 1;
    ShowWindow(second, SW_SHOW);
    UpdateWindow(second);
    b.further.context.MakeCurrent();
    InitSceneView(b.further.picture, b.further.width, b.further.height, argv[7]);
    b.context.MakeCurrent();
  }
  const double sceneMs = SinceCreation();

  long frames = 0;  // counted after the first
  double drawnMs = 0, swappedMs = 0;
  ULONGLONG firstFrameTicks = 0;
  MSG msg{};
  for (;;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    QueryPerformanceCounter(&now);
    const double elapsed = Seconds(start, now, freq);
    const bool first = firstFrameTicks == 0;
    if (!first && (fixed ? frames >= fixedFrames : elapsed >= seconds)) break;
    if (drawing) {
      b.scene.t = fixed ? static_cast<float>(frames) / 60.0f : static_cast<float>(elapsed);
      if (two) {
        UpdateScene(b.scene, b.scene.t);
        b.further.context.MakeCurrent();
        DrawFrame(b.scene, b.further.picture);
        if (first) glFinish();
        SwapBuffers(b.further.dc);
        b.context.MakeCurrent();
        DrawFrame(b.scene, b.picture);
      } else if (renderer) {
        RenderFrame(b.scene, b.picture);
      } else {
        ReferenceRenderFrame(b.scene, b.picture);
      }
    } else {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    if (first) {
      glFinish();
      drawnMs = SinceCreation();
    }
    SwapBuffers(b.dc);
    if (first) {
      glFinish();
      firstFrameTicks = NowTicks();
      swappedMs = SinceCreation();
      QueryPerformanceCounter(&start);
    } else {
      ++frames;
    }
  }
  glFinish();
  QueryPerformanceCounter(&now);
  const double run = Seconds(start, now, freq);
  std::printf("mode=%s%s size=%dx%d workload=%s fps=%.2f frames=%ld seconds=%.3f", mode, two ? "+second" : "", width,
              height, fixed ? "fixed" : "timed", frames / run, frames, run);
  std::printf(" created_unix=%.6f first_frame_unix=%.6f", UnixSeconds(CreationTicks()), UnixSeconds(firstFrameTicks));
  std::printf(" main_ms=%.1f pixel_format_ms=%.1f context_ms=%.1f window_ms=%.1f shown_ms=%.1f scene_ms=%.1f"
              " drawn_ms=%.1f first_frame_ms=%.1f",
              mainMs, b.pixelFormatMs, b.contextMs, windowMs, shownMs, sceneMs, drawnMs, swappedMs);
  if (drawing) TimeSnapshotLoad(argv[5]);
  std::printf("\n");
  DestroyWindow(window);
  return 0;
}
