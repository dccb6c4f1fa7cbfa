// The views the renderer keeps: opened over a monitor, placed, numbered.
#pragma once

#include <windows.h>

#include <string>

#include "renderer/app/view_win32.h"
#include "renderer/scene/desk_plan.h"

// Where a view lies and what is its own.
struct ViewPlace {
  const char* className;
  std::string title;
  MonitorRect area;
  bool swapWaits;
  int show = SW_SHOW;
};

// A borderless window over the place, listed last among the views, shown
// and painted once; null when it cannot be made.
View* OpenView(const ViewPlace& place);

// The view's fixed GL state, projection and picture, where it draws.
void PrepareView(View& view, const char* picturePath);

// A view over a further monitor, the n of its title given. Only the
// primary's swap, the last of a round, waits for the blank.
View* OpenFurtherView(size_t number, const MonitorRect& area, int show);

// Views over the further monitors the host listed, each with its picture.
// A window that cannot be made leaves its monitor uncovered.
void OpenFurtherViews();

// The smallest n no view's title holds.
size_t FreeNumber();

// Puts the view over the monitor, moving its window only if the area changed.
void PlaceView(View& view, const DeskMonitor& monitor);

// The view whose paint request draws a round: the first one with a context.
View* RoundDriver();
