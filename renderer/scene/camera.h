// The circling camera: it looks at one fixed point below the reflector.
#pragma once

#include "renderer/scene/vec4.h"

inline constexpr Vec4 kLookAt{12, 4, -12, 1};

// Eye point for elapsed time t (seconds): a circle of radius 20 about the
// look-at point's vertical, once every 4 pi s, height swinging 1..15.
Vec4 EyeAt(float t);
