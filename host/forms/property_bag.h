// The named values a widget saves and loads. Each value is written together
// with its default and stored only where it differs from it; a read of a
// name not stored gives the reader's default.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "host/forms/font_desc.h"

namespace Forms {

// A value of another type than the default never equals it (a font written
// with a text default is always stored).
using PropertyValue = std::variant<bool, int16_t, int32_t, std::wstring, FontDesc>;

class PropertyBag {
 public:
  // Stores value under name, or removes name when value equals its default.
  void Write(const std::wstring& name, const PropertyValue& value, const PropertyValue& defaultValue);

  // The stored value when it has the default's type, else the default.
  template <typename T>
  T Read(const std::wstring& name, const T& defaultValue) const {
    auto it = values_.find(name);
    if (it == values_.end()) return defaultValue;
    if (const T* stored = std::get_if<T>(&it->second)) return *stored;
    return defaultValue;
  }

  bool Contains(const std::wstring& name) const { return values_.count(name) != 0; }
  size_t size() const { return values_.size(); }
  const std::map<std::wstring, PropertyValue>& values() const { return values_; }

 private:
  std::map<std::wstring, PropertyValue> values_;
};

}  // namespace Forms
