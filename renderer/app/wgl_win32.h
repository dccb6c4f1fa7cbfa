// The window's pixel format and its WGL rendering context.
#pragma once

#include <windows.h>

// Requests a double-buffered RGBA format with 16-bit depth at the display's
// colour depth, reports the choice through DebugPrint and sets it. False
// when the driver offers no such format or refuses to set it: a display
// without OpenGL.
[[nodiscard]] bool SetupPixelFormat(HDC dc);

// Owns one WGL context; deleting it first makes no context current.
class GlContext {
 public:
  GlContext() = default;
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;
  ~GlContext() { Reset(); }

  // Creates a context on dc and makes it current. False, holding none, when
  // the driver refuses either or the context names no GL version.
  [[nodiscard]] bool Create(HDC dc);
  bool held() const { return rc_ != nullptr; }
  // False when none is held or it cannot be made current; cheap when it is
  // current already.
  bool MakeCurrent() const { return rc_ && (wglGetCurrentContext() == rc_ || wglMakeCurrent(dc_, rc_)); }
  void Reset();

 private:
  HDC dc_ = nullptr;
  HGLRC rc_ = nullptr;
};

// Lets the current context's window swap at once instead of at the next
// vertical blank, where the driver offers the choice (WGL_EXT_swap_control).
// With several windows drawn in a row, only the last one's swap then waits,
// so a round costs one blank, not one per window.
void SwapWithoutWaiting();
