#include "host/widgets/xp_button_core.h"

#include <vector>

#include "host/base/rounding.h"

namespace Widgets {

namespace {

using Forms::kLeftButton;
constexpr int16_t kEnter = 13, kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
constexpr double kMinimumTwips = 100;

}  // namespace

Forms::FontDesc DesignFont() {
  Forms::FontDesc font;
  font.name = L"Verdana";
  font.size = 8.25f;
  return font;
}

void XPButtonCore::Initialize() {
  paint_suppressed_ = true;
  SetFont(DesignFont());
}

void XPButtonCore::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  port_.NameWindow(caption_);
  site_.SetAccessKey(AccessKeyOf(caption_));
  Redraw(visual_state_);
  site_.PropertyChanged(kCaption);
}

void XPButtonCore::SetEnabled(bool enabled) {
  enabled_ = enabled;
  port_.EnableWindow(enabled);
  paint_suppressed_ = false;
  if (is_mouse_over_ && enabled) {
    Redraw(kHot);
  } else if (is_default_ && enabled) {
    Redraw(kFocused);
  } else {
    ShowUnlessShown(enabled ? kNormal : kDisabled);
  }
  site_.PropertyChanged(kEnabled);
}

void XPButtonCore::SetForeColor(uint32_t colour) {
  fore_color_ = colour;
  Redraw(visual_state_);
  site_.PropertyChanged(kForeColor);
}

void XPButtonCore::SetFont(const Forms::FontDesc& font) {
  font_ = font;
  port_.ApplyFont(font_);
  Redraw(visual_state_);
  site_.PropertyChanged(kFont);
}

void XPButtonCore::SetFocusRect(bool value) {
  focus_rect_ = value;
  if (has_focus_) Redraw(visual_state_);
  site_.PropertyChanged(kFocusRect);
}

void XPButtonCore::Redraw(int state) {
  if (paint_suppressed_) return;
  visual_state_ = state;
  port_.PaintBody(state);
  // A repaint asked for while the caption is drawn is dropped.
  paint_suppressed_ = true;
  port_.PaintCaption(has_focus_ && focus_rect_ && (state == kFocused || state == kHot || state == kPressed));
  paint_suppressed_ = false;
}

void XPButtonCore::InitProperties() {
  std::vector<std::wstring> captions;
  if (const Forms::ControlList* controls = site_.Form().controls) {
    for (const Forms::Control* control : *controls) {
      if (control->ClassName() == kXPButtonClass) captions.push_back(control->Caption());
    }
  }
  SetCaption(NewButtonCaption(captions, site_.Name()));
  SetForeColor(0);
  SetEnabled(true);
  SetFocusRect(true);
}

void XPButtonCore::ReadProperties(const Forms::PropertyBag& bag) {
  parent_window_ = site_.Form().window;
  SetCaption(bag.Read<std::wstring>(kCaption, kDefaultCaption));
  SetForeColor(static_cast<uint32_t>(bag.Read<int32_t>(kForeColor, 0)));
  SetFont(bag.Read<Forms::FontDesc>(kFont, font_));
  SetFocusRect(bag.Read<bool>(kFocusRect, true));
  SetEnabled(bag.Read<bool>(kEnabled, true));
  if (site_.ambient().user_mode && !watching_) {
    port_.StartWatching(parent_window_, site_.Form().is_mdi_child);
    watching_ = true;
  }
  paint_suppressed_ = false;
  Redraw(visual_state_);
}

void XPButtonCore::WriteProperties(Forms::PropertyBag& bag) const {
  bag.Write(kCaption, caption_, std::wstring(kDefaultCaption));
  bag.Write(kEnabled, enabled_, true);
  bag.Write(kForeColor, static_cast<int32_t>(fore_color_), int32_t{0});
  bag.Write(kFont, font_, std::wstring(L"Verdana"));
  bag.Write(kFocusRect, focus_rect_, true);
}

void XPButtonCore::Resize() {
  // Held at 100 twips or more each way. The enlargement resizes the window
  // again; painting resumes at once unless it was already held back.
  const bool was_suppressed = paint_suppressed_;
  const double tpp = port_.TwipsPerPixel();
  int width = port_.WidthPixels(), height = port_.HeightPixels();
  const int minimum = static_cast<int>(Ondrel_B::RoundHalfEven(kMinimumTwips / tpp));
  if (height * tpp < kMinimumTwips || width * tpp < kMinimumTwips) {
    paint_suppressed_ = true;
    if (height * tpp < kMinimumTwips) height = minimum;
    if (width * tpp < kMinimumTwips) width = minimum;
    port_.SetSizePixels(width, height);
    paint_suppressed_ = was_suppressed;
  }
  if (!paint_suppressed_) Redraw(visual_state_);
}

void XPButtonCore::AmbientChanged(const std::wstring& name) {
  is_default_ = site_.ambient().display_as_default;
  if (enabled_ && !is_mouse_over_ && name == Forms::kAmbientDisplayAsDefault) {
    if (is_default_) {
      Redraw(kFocused);
    } else {
      ShowUnlessShown(kNormal);
    }
  }
}

void XPButtonCore::GotFocus() {
  has_focus_ = true;
  if (is_mouse_over_) {
    if (visual_state_ != kHot && visual_state_ != kPressed) Redraw(kHot);
  } else if (!is_pressed_) {
    Redraw(kFocused);
  }
}

void XPButtonCore::LostFocus() {
  has_focus_ = is_pressed_ = is_space_down_ = false;
  if (!enabled_) return;
  if (!is_parent_active_) {
    ShowUnlessShown(kNormal);
  } else if (is_mouse_over_) {
    ShowUnlessShown(kHot);
  } else if (is_default_) {
    Redraw(kFocused);
  } else {
    ShowUnlessShown(kNormal);
  }
}

void XPButtonCore::MouseDown(int16_t button, int16_t, float, float) {
  last_mouse_button_ = button;
  if (button != kLeftButton) return;
  has_focus_ = is_pressed_ = is_mouse_down_ = true;
  ShowUnlessShown(kPressed);
}

void XPButtonCore::MouseMove(int16_t button, int16_t shift, float x, float y) {
  is_mouse_over_ = x >= 0 && x <= port_.WidthPixels() && y >= 0 && y <= port_.HeightPixels();
  if (is_mouse_over_) port_.RequestLeaveNotification();
  if (!is_parent_active_ || is_space_down_) return;
  if (is_mouse_over_) {
    ShowUnlessShown(is_pressed_ ? kPressed : kHot);
  } else if (has_focus_) {
    ShowUnlessShown(kFocused);
  } else {
    ShowUnlessShown(kNormal);
  }
  port_.RaiseMouseMove(button, shift, x, y);
}

void XPButtonCore::MouseUp(int16_t button, int16_t, float, float) {
  if (button != kLeftButton) return;
  if (is_parent_active_) {
    if (is_mouse_over_) {
      ShowUnlessShown(kHot);
    } else if (has_focus_) {
      Redraw(kFocused);
    }
    if (is_mouse_over_ && has_focus_ && is_pressed_) port_.RaiseClick();
  }
  is_pressed_ = false;
  is_mouse_down_ = false;
}

void XPButtonCore::DblClick() {
  if (last_mouse_button_ != kLeftButton) return;
  Redraw(kPressed);
  port_.RaiseDblClick();
}

void XPButtonCore::KeyDown(int16_t key, int16_t) {
  switch (key) {
    case kEnter:
      port_.RaiseClick();
      break;
    case kSpace:
      if (!is_mouse_down_) {
        is_space_down_ = is_pressed_ = true;
        ShowUnlessShown(kPressed);
      }
      break;
    case kLeft:
    case kUp:
      port_.SendKeys(L"+{TAB}");
      break;
    case kRight:
    case kDown:
      port_.SendKeys(L"{TAB}");
      break;
    default:
      break;
  }
}

void XPButtonCore::KeyUp(int16_t key, int16_t) {
  if (key != kSpace || is_mouse_down_) return;
  if (is_mouse_over_) {
    ShowUnlessShown(kHot);
  } else {
    Redraw(kFocused);
  }
  if (is_pressed_) port_.RaiseClick();
  is_space_down_ = is_pressed_ = false;
}

void XPButtonCore::AccessKeyPress(wchar_t) {
  if (!enabled_) return;
  if (is_space_down_) {
    is_space_down_ = is_pressed_ = false;
    if (is_mouse_over_) {
      ShowUnlessShown(kHot);
    } else {
      Redraw(kFocused);
    }
    return;
  }
  port_.DoEvents();
  port_.RaiseClick();
}

void XPButtonCore::Terminate() {
  if (watching_) {
    port_.StopWatching();
    watching_ = false;
  }
}

void XPButtonCore::MouseLeft() {
  is_mouse_over_ = false;
  if (is_space_down_ || visual_state_ == kDisabled) return;
  if (!has_focus_ && !is_default_) {
    ShowUnlessShown(kNormal);
  } else if (visual_state_ == kPressed) {
    Redraw(is_pressed_ ? kFocused : kNormal);
  } else if (visual_state_ != kFocused && is_parent_active_) {
    Redraw(kFocused);
  }
}

void XPButtonCore::ParentActivation(bool active) {
  int32_t state = active ? 1 : 0;
  if (active) {
    is_parent_active_ = true;
    if (enabled_) {
      if (is_mouse_over_) {
        ShowUnlessShown(kHot);
      } else if (has_focus_ || is_default_) {
        Redraw(kFocused);
      }
    }
  } else {
    is_parent_active_ = is_pressed_ = is_mouse_down_ = is_space_down_ = false;
    if (enabled_) ShowUnlessShown(kNormal);
  }
  port_.RaiseFormActivate(state);
}

}  // namespace Widgets
