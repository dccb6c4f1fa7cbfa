// A widget's place on its container: the designer's name for the instance,
// the parent form with its controls, the container's ambient properties,
// the change signal and the access key the host routes to the widget.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/forms/control_list.h"

namespace Forms {

class WidgetEvents;

using WindowHandle = void*;

// Names under which ambient changes are announced.
inline constexpr wchar_t kAmbientBackColor[] = L"BackColor";
inline constexpr wchar_t kAmbientDisplayAsDefault[] = L"DisplayAsDefault";
inline constexpr wchar_t kAmbientUserMode[] = L"UserMode";

// 0x8000000F, the system's button-face colour (COLOR_BTNFACE).
inline constexpr uint32_t kSystemButtonFace = 0x8000000Fu;

struct Ambient {
  uint32_t BackColor = kSystemButtonFace;  // 0x00BBGGRR, or a system colour
  bool DisplayAsDefault = false;          // the container shows this widget as its default button
  bool UserMode = true;                    // the program is running, not being designed
};

struct ParentForm {
  WindowHandle window = nullptr;
  bool isMdiChild = false;
  const ControlList* controls = nullptr;
};

class WidgetSite {
 public:
  WidgetSite(std::wstring name, ParentForm form, Ambient ambient = {})
      : name_(std::move(name)), form_(form), ambient_(ambient) {}

  const std::wstring& Name() const { return name_; }
  const ParentForm& Form() const { return form_; }
  const Ambient& ambient() const { return ambient_; }

  // The container changes an ambient property; the widget hears its name.
  void SetAmbientBackColor(uint32_t colour);
  void SetDisplayAsDefault(bool value);
  void SetUserMode(bool value);

  // Set by the widget when it is created, cleared when it goes.
  void Attach(WidgetEvents* widget) { widget_ = widget; }

  // The widget's change signal, by persisted property name; the container
  // hears it as PropertyChanged.
  void SignalChange(const std::wstring& name) const {
    if (PropertyChanged) PropertyChanged(name);
  }
  std::function<void(const std::wstring&)> PropertyChanged;

  // Lower-case access key, 0 for none.
  void SetAccessKey(wchar_t key) { accessKey_ = key; }
  wchar_t AccessKey() const { return accessKey_; }

 private:
  void Announce(const wchar_t* name);

  std::wstring name_;
  ParentForm form_;
  Ambient ambient_;
  WidgetEvents* widget_ = nullptr;
  wchar_t accessKey_ = 0;
};

}  // namespace Forms
