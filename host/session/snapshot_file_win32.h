// The desktop snapshot file: written from the session's off-screen image,
// readable by the user alone, and removed when the session ends.
#pragma once

#include <string>

#include "host/forms/surface_win32.h"

namespace Ondrel_B {

// The name the snapshot is written under before it is moved into place.
std::wstring SnapshotTempPath(const std::wstring& path);

// Writes a 24-bit bottom-up image as a bitmap file. The file appears
// complete or not at all: it is created new beside the target (whatever lay
// under that name is removed first, never followed), readable by the current
// user, SYSTEM and the Administrators alone, and then moved over the target.
// False (and no file of ours left) on any failure.
[[nodiscard]] bool WriteSnapshotFile(const Forms::Surface& image, const std::wstring& path);

// Removes the snapshot and its temporary file (a link is removed, not followed).
void DeleteSnapshotFiles(const std::wstring& path);

}  // namespace Ondrel_B
