// One monitor's view: its window, drawn with a GL context and picture of its
// own, or, where OpenGL cannot be set up there, painted black with GDI, so
// that no monitor ever shows the live desktop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "renderer/app/wgl_win32.h"
#include "renderer/gl/texture.h"
#include "renderer/scene/monitor_list.h"

struct View {
  HWND window = nullptr;
  HDC dc = nullptr;    // owned by the class (CS_OWNDC), kept until exit
  GlContext context;   // none held: the view is painted black
  Texture picture;     // the sheet's picture, in the view's own context
  int32_t clientWidth = 0;   // latest client size; the projection's aspect
  int32_t clientHeight = 0;
  bool swapWaits = true;     // false: swaps at once, not at the vertical blank
  MonitorRect area;          // where the window lies
  std::string device;        // the monitor it covers, as the system names it
  size_t number = 0;         // n of its title "Ondrel_VC_Monitor<n>"; 0 for the primary's
  bool leaving = false;      // its monitor left: its end is not the renderer's
};

// At WM_CREATE: the window's DC, pixel format and context, left current.
// A step that fails leaves the view without a context.
void SetUpView(View& view, HWND window);

// Makes the view's context current. A context that refuses is given up:
// the view is painted black from then on. False for a view without one.
[[nodiscard]] bool MakeViewCurrent(View& view);

// Releases the picture in its own context, then the context.
void ReleaseView(View& view);

// Serves WM_PAINT for a view without a context.
void PaintBlack(HWND window);
