#include "renderer/app/wgl_win32.h"

#include "renderer/app/debug_print.h"
#include "renderer/gl/gl_api.h"

namespace {

// Filled at the first request and kept for the program's lifetime.
PIXELFORMATDESCRIPTOR& Request(HDC dc) {
  static PIXELFORMATDESCRIPTOR pfd = [dc] {
    PIXELFORMATDESCRIPTOR p{};
    p.nSize = sizeof(PIXELFORMATDESCRIPTOR);  // 40
    p.nVersion = 1;
    p.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    p.iPixelType = PFD_TYPE_RGBA;
    p.cColorBits = static_cast<BYTE>(GetDeviceCaps(dc, BITSPIXEL));
    p.cDepthBits = 16;
    p.iLayerType = PFD_MAIN_PLANE;
    return p;
  }();
  return pfd;
}

}  // namespace

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "the request is the 40-byte descriptor");

bool SetupPixelFormat(HDC dc) {
  PIXELFORMATDESCRIPTOR& pfd = Request(dc);
  const int index = ChoosePixelFormat(dc, &pfd);
  DebugPrint("PixelFormat Selected: %d\nBPP: %d\n", index, GetDeviceCaps(dc, BITSPIXEL));
  return index != 0 && SetPixelFormat(dc, index, &pfd);
}

bool GlContext::Create(HDC dc) {
  Reset();
  dc_ = dc;
  rc_ = wglCreateContext(dc);
  // NOTE: a context that is current yet names no version draws nothing.
  if (rc_ && wglMakeCurrent(dc, rc_) && glGetString(GL_VERSION)) return true;
  Reset();
  return false;
}

void GlContext::Reset() {
  if (rc_ == nullptr) return;
  wglMakeCurrent(dc_, nullptr);
  wglDeleteContext(rc_);
  rc_ = nullptr;
}

void SwapWithoutWaiting() {
  using SwapInterval = BOOL(WINAPI*)(int);
  // NOTE: only a current context can answer wglGetProcAddress.
  if (const PROC proc = wglGetProcAddress("wglSwapIntervalEXT")) {
    reinterpret_cast<SwapInterval>(reinterpret_cast<void*>(proc))(0);
  }
}
