// The renderer's program-wide state, one instance for the run, and the
// counter clock every part of the program reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "renderer/app/audience_win32.h"
#include "renderer/app/view_win32.h"
#include "renderer/scene/desk_plan.h"
#include "renderer/scene/round_schedule.h"
#include "renderer/scene/scene.h"

// The desk the views were last fitted to, and when it is looked at again.
struct DeskWatch {
  std::vector<DeskMonitor> layout;
  int64_t next = 0;     // the next regular look
  int64_t settled = 0;  // a second look after a change was announced; 0 for none
};

struct Renderer {
  std::vector<std::unique_ptr<View>> views;  // the primary's first
  bool renderingEnabled = false;  // paint requests draw only while set
  bool ending = false;            // the primary's window is being destroyed
  int64_t frequency = 0;          // counter ticks a second
  int64_t start = 0;              // the clock's zero
  int64_t frontChecked = 0;       // when KeepInFront last looked
  int frontRetakes = 0;           // its takes of the foreground still due
  DeskWatch desk;
  RoundSchedule rounds;
  HINSTANCE instance = nullptr;
  Audience audience;
  Scene scene;
};

Renderer& App();
inline View& Primary() { return *App().views.front(); }

// The performance counter now, and a span of milliseconds in its ticks.
int64_t Now();
inline int64_t Ticks(DWORD ms) { return App().frequency * ms / 1000; }
