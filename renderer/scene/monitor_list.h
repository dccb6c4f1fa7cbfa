// The monitors the host lists beyond the primary (desk/layout/work_files.h
// names them), read: "left,top,width,height" in physical pixels of the
// virtual screen, the primary's corner at (0, 0). Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "desk/layout/monitor.h"
#include "desk/layout/work_files.h"

using Desk::kMaxFurtherMonitors;
using Desk::MonitorRect;

// Largest coordinate a window may have on either axis, its far edge too.
inline constexpr int32_t kMaxScreenCoordinate = 32767;

// The rectangle a value names: four decimal integers, comma-separated,
// blanks allowed around each. Nothing for any other text, and for a
// rectangle no monitor can have: a side below 1 or above kMaxSnapshotSide,
// an edge beyond +-kMaxScreenCoordinate.
[[nodiscard]] std::optional<MonitorRect> ParseMonitorRect(std::string_view text);
