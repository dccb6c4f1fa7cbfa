// One frame of the real renderer, drawn off screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace preview {

// Draws the scene over the snapshot file as the saver does when it has drawn
// `frames` frames evenly in `seconds` (the panel turns a little every frame, the
// waves and the camera follow the clock). RGB, top row first; empty on failure.
std::vector<uint8_t> RenderStill(const std::string& snapshotPath, int width, int height, int frames,
                                 double seconds);

}  // namespace preview
