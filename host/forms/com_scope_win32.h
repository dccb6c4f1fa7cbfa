// COM initialised for the life of an object (the picture decoder, the file
// chooser and the shell need it on this thread).
#pragma once

#include <objbase.h>

namespace Forms {

class ComScope {
 public:
  explicit ComScope(DWORD flags = COINIT_APARTMENTTHREADED) : ok_(SUCCEEDED(CoInitializeEx(nullptr, flags))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

}  // namespace Forms
