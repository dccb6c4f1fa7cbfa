// Facet: one textured triangle of the scene, and FacetList, the growable
// array the wave sheet is rebuilt into every frame.
#pragma once

#include <cstddef>
#include <vector>

#include "renderer/scene/vec4.h"

struct Facet {
  Vec4 corner[3];         // where it is drawn, in world space
  Vec4 normal;            // (c2 - c1) x (c2 - c0), unit length when it has one
  float s[3] = {0, 0, 0}; // texture s of corners 0..2
  float t[3] = {0, 0, 0}; // texture t of corners 0..2
};

// A texture coordinate pair.
struct TexCoord {
  float s;
  float t;
};

// Builds a facet from three points with its normal and texture pairs.
Facet MakeFacet(Vec4 p0, Vec4 p1, Vec4 p2, TexCoord a, TexCoord b, TexCoord c);

// Keeps its storage across Clear so a rebuild after the first allocates nothing.
class FacetList {
 public:
  void Clear() { items_.clear(); }
  void Append(const Facet& f) { items_.push_back(f); }
  std::size_t Size() const { return items_.size(); }
  const Facet& operator[](std::size_t i) const { return items_[i]; }
  const Facet* begin() const { return items_.data(); }
  const Facet* end() const { return items_.data() + items_.size(); }
  std::size_t Capacity() const { return items_.capacity(); }

 private:
  std::vector<Facet> items_;
};
