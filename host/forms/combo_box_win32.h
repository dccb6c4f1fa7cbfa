// A drop-down combo box with an editable text field: the platform's own
// combo box, on a white background while it is enabled.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace Forms {

class ComboBox {
 public:
  ComboBox() = default;
  ~ComboBox();
  ComboBox(const ComboBox&) = delete;
  ComboBox& operator=(const ComboBox&) = delete;

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
  HWND hwnd() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR);
  void FitHeight();

  HWND window_ = nullptr;
  HBRUSH white_ = nullptr;  // a stock brush
};

}  // namespace Forms
