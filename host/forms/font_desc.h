// A font as widgets hold and persist it: the face and attributes of a
// platform font, without the platform's handle.
#pragma once

#include <cstdint>
#include <string>

namespace Forms {

struct FontDesc {
  std::wstring name;
  float size = 8.25f;  // points
  int16_t weight = 400;
  int16_t charset = 0;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  friend bool operator==(const FontDesc& a, const FontDesc& b) {
    return a.name == b.name && a.size == b.size && a.weight == b.weight && a.charset == b.charset &&
           a.italic == b.italic && a.underline == b.underline && a.strikethrough == b.strikethrough;
  }
  friend bool operator!=(const FontDesc& a, const FontDesc& b) { return !(a == b); }
};

}  // namespace Forms
