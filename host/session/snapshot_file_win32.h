// Writing the desktop snapshot file from the session's off-screen image.
#pragma once

#include <string>

#include "host/forms/surface_win32.h"

namespace Ondrel_B {

// Writes a 24-bit bottom-up image as a bitmap file. The file appears
// complete or not at all: it is written beside the target and then moved
// over it. False (and no file of ours left) on any failure.
bool WriteSnapshotFile(const Forms::Surface& image, const std::wstring& path);

}  // namespace Ondrel_B
