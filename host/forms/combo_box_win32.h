// A drop-down combo box with an editable text field: the platform's own
// combo box, on a white background while it is enabled.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/forms/window_object_win32.h"

namespace Forms {

class ComboBox : public WindowObject {
 public:
  ComboBox() : field_(*this) {}
  // The box goes first, its text field with it.
  ~ComboBox() override;


  // At (left, top) of the parent's client area, width pixels wide; its
  // height follows the font (not owned; must outlive the box), and the
  // open list shows up to eight entries.
  bool Create(HWND parent, int left, int top, int width, HFONT font);

  // Appends entries to the list; the text field keeps its text.
  void AddItems(const std::vector<std::wstring>& items);
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  // The list is open: Enter and Escape belong to it.
  bool Dropped() const;

 private:
  // The box's text field: a reader that lands in it hears the box's name.
  class Field final : public WindowObject {
   public:
    explicit Field(const ComboBox& box) : box_(box) {}
    using WindowObject::Wrap;

   private:
    std::optional<AccessibleFacts> KindFacts() const override;
    const ComboBox& box_;
  };

  // A combo box whose value is its text; its name is its owner's to give.
  std::optional<AccessibleFacts> KindFacts() const override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void FitHeight();

  Field field_;

  HBRUSH white_ = nullptr;  // a stock brush
};

}  // namespace Forms
