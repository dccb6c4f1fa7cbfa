// Vec4: four 32-bit floats. Points carry w = 1; w is copied along and takes
// part in no arithmetic, so every operation here works on x, y, z only and
// keeps the left operand's w.
#pragma once

struct Vec4 {
  float x = 0;
  float y = 0;
  float z = 0;
  float w = 1;
};

inline Vec4 operator+(Vec4 a, Vec4 b) { return {a.x + b.x, a.y + b.y, a.z + b.z, a.w}; }
inline Vec4 operator-(Vec4 a, Vec4 b) { return {a.x - b.x, a.y - b.y, a.z - b.z, a.w}; }
inline Vec4 operator*(float k, Vec4 a) { return {k * a.x, k * a.y, k * a.z, a.w}; }
inline float Dot(Vec4 a, Vec4 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec4 Cross(Vec4 a, Vec4 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x, a.w};
}

// Scales n to unit length unless it is too short to have a direction.
Vec4 NormalizedOrKept(Vec4 n);
