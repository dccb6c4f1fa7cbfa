// COM initialised for the life of an object (the picture decoders, the
// desktop's wallpaper, the file chooser and the shell need it on the calling
// thread), and an owned interface.
#pragma once

#include <objbase.h>

namespace Desk {

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

// Owns one reference to a COM interface and releases it.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** out() { return &p_; }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace Desk
