#include "renderer/scene/camera.h"

#include <cmath>

Vec4 EyeAt(float t) {
  const float a = t / 2.0f;
  return {12.0f + 20.0f * std::sin(a), 8.0f + 7.0f * std::cos(a), -12.0f + 20.0f * std::cos(a), 1};
}
