// The monitors the host lists beyond the primary: section "Monitors" of the
// settings file, key "Monitor<n>" = "left,top,width,height" in physical
// pixels of the virtual screen (the primary's corner at (0, 0)), and the
// monitor's picture in "C:\q_dorn_temp\Ondrel<n>.alo". Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "desk/layout/monitor.h"

using Desk::MonitorRect;

// Keys "Monitor1" to "Monitor15" are read; any beyond are not.
inline constexpr size_t kMaxFurtherMonitors = 15;

// Largest coordinate a window may have on either axis, its far edge too.
inline constexpr int32_t kMaxScreenCoordinate = 32767;

// The rectangle a value names: four decimal integers, comma-separated,
// blanks allowed around each. Nothing for any other text, and for a
// rectangle no monitor can have: a side below 1 or above kMaxSnapshotSide,
// an edge beyond +-kMaxScreenCoordinate.
std::optional<MonitorRect> ParseMonitorRect(std::string_view text);

std::string MonitorKey(size_t n);
std::string MonitorSnapshotPath(size_t n);
