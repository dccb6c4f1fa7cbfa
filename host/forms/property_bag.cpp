#include "host/forms/property_bag.h"

namespace Forms {

void PropertyBag::Write(const std::wstring& name, const PropertyValue& value, const PropertyValue& defaultValue) {
  if (value == defaultValue) {
    values_.erase(name);
  } else {
    values_[name] = value;
  }
}

}  // namespace Forms
