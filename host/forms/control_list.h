// The controls of one form, as a widget sees its siblings: their kind and
// their caption. The form owns the controls; the list only points at them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace Forms {

class Control {
 public:
  virtual ~Control() = default;
  virtual std::wstring ClassName() const = 0;
  virtual std::wstring Caption() const = 0;
};

class ControlList {
 public:
  void Add(const Control* control) { controls_.push_back(control); }
  void Remove(const Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  }
  auto begin() const { return controls_.begin(); }
  auto end() const { return controls_.end(); }
  size_t size() const { return controls_.size(); }

 private:
  std::vector<const Control*> controls_;
};

}  // namespace Forms
