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
  paintSuppressed_ = true;
  SetFont(DesignFont());
}

void XPButtonCore::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  port_.NameWindow(caption_);
  site_.SetAccessKey(AccessKeyOf(caption_));
  Redraw(visualState_);
  site_.SignalChange(kCaption);
}

void XPButtonCore::SetEnabled(bool enabled) {
  enabled_ = enabled;
  port_.EnableWindow(enabled);
  paintSuppressed_ = false;
  if (isMouseOver_ && enabled) {
    Redraw(kHot);
  } else if (isDefault_ && enabled) {
    Redraw(kFocused);
  } else {
    ShowUnlessShown(enabled ? kNormal : kDisabled);
  }
  site_.SignalChange(kEnabled);
}

void XPButtonCore::SetForeColor(uint32_t colour) {
  foreColor_ = colour;
  Redraw(visualState_);
  site_.SignalChange(kForeColor);
}

void XPButtonCore::SetFont(const Forms::FontDesc& font) {
  font_ = font;
  port_.ApplyFont(font_);
  Redraw(visualState_);
  site_.SignalChange(kFont);
}

void XPButtonCore::SetFocusRect(bool value) {
  focusRect_ = value;
  if (hasFocus_) Redraw(visualState_);
  site_.SignalChange(kFocusRect);
}

void XPButtonCore::Redraw(int state) {
  if (paintSuppressed_) return;
  visualState_ = state;
  port_.PaintBody(state);
  // A repaint asked for while the caption is drawn is dropped.
  paintSuppressed_ = true;
  port_.PaintCaption(hasFocus_ && focusRect_ && (state == kFocused || state == kHot || state == kPressed));
  paintSuppressed_ = false;
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
  parentWindow_ = site_.Form().window;
  SetCaption(bag.Read<std::wstring>(kCaption, kDefaultCaption));
  SetForeColor(static_cast<uint32_t>(bag.Read<int32_t>(kForeColor, 0)));
  SetFont(bag.Read<Forms::FontDesc>(kFont, font_));
  SetFocusRect(bag.Read<bool>(kFocusRect, true));
  SetEnabled(bag.Read<bool>(kEnabled, true));
  if (site_.ambient().UserMode && !watching_) {
    port_.StartWatching(parentWindow_, site_.Form().isMdiChild);
    watching_ = true;
  }
  paintSuppressed_ = false;
  Redraw(visualState_);
}

void XPButtonCore::WriteProperties(Forms::PropertyBag& bag) const {
  bag.Write(kCaption, caption_, std::wstring(kDefaultCaption));
  bag.Write(kEnabled, enabled_, true);
  bag.Write(kForeColor, static_cast<int32_t>(foreColor_), int32_t{0});
  bag.Write(kFont, font_, std::wstring(L"Verdana"));
  bag.Write(kFocusRect, focusRect_, true);
}

void XPButtonCore::Resize() {
  // Held at 100 twips or more each way. The enlargement resizes the window
  // again; painting resumes at once unless it was already held back.
  const bool wasSuppressed = paintSuppressed_;
  const double tpp = port_.TwipsPerPixel();
  int width = port_.WidthPixels(), height = port_.HeightPixels();
  const int minimum = static_cast<int>(Ondrel_B::RoundHalfEven(kMinimumTwips / tpp));
  if (height * tpp < kMinimumTwips || width * tpp < kMinimumTwips) {
    paintSuppressed_ = true;
    if (height * tpp < kMinimumTwips) height = minimum;
    if (width * tpp < kMinimumTwips) width = minimum;
    port_.SetSizePixels(width, height);
    paintSuppressed_ = wasSuppressed;
  }
  if (!paintSuppressed_) Redraw(visualState_);
}

void XPButtonCore::AmbientChanged(const std::wstring& name) {
  isDefault_ = site_.ambient().DisplayAsDefault;
  if (enabled_ && !isMouseOver_ && name == Forms::kAmbientDisplayAsDefault) {
    if (isDefault_) {
      Redraw(kFocused);
    } else {
      ShowUnlessShown(kNormal);
    }
  }
}

void XPButtonCore::GotFocus() {
  hasFocus_ = true;
  if (isMouseOver_) {
    if (visualState_ != kHot && visualState_ != kPressed) Redraw(kHot);
  } else if (!isPressed_) {
    Redraw(kFocused);
  }
}

void XPButtonCore::LostFocus() {
  hasFocus_ = isPressed_ = isSpaceDown_ = false;
  if (!enabled_) return;
  if (!isParentActive_) {
    ShowUnlessShown(kNormal);
  } else if (isMouseOver_) {
    ShowUnlessShown(kHot);
  } else if (isDefault_) {
    Redraw(kFocused);
  } else {
    ShowUnlessShown(kNormal);
  }
}

void XPButtonCore::MouseDown(int16_t button, int16_t, float, float) {
  lastMouseButton_ = button;
  if (button != kLeftButton) return;
  hasFocus_ = isPressed_ = isMouseDown_ = true;
  ShowUnlessShown(kPressed);
}

void XPButtonCore::MouseMove(int16_t button, int16_t shift, float x, float y) {
  isMouseOver_ = x >= 0 && x <= port_.WidthPixels() && y >= 0 && y <= port_.HeightPixels();
  if (isMouseOver_) port_.RequestLeaveNotification();
  if (!isParentActive_ || isSpaceDown_) return;
  if (isMouseOver_) {
    ShowUnlessShown(isPressed_ ? kPressed : kHot);
  } else if (hasFocus_) {
    ShowUnlessShown(kFocused);
  } else {
    ShowUnlessShown(kNormal);
  }
  port_.RaiseMouseMove(button, shift, x, y);
}

void XPButtonCore::MouseUp(int16_t button, int16_t, float, float) {
  if (button != kLeftButton) return;
  if (isParentActive_) {
    if (isMouseOver_) {
      ShowUnlessShown(kHot);
    } else if (hasFocus_) {
      Redraw(kFocused);
    }
    if (isMouseOver_ && hasFocus_ && isPressed_) port_.RaiseClick();
  }
  isPressed_ = false;
  isMouseDown_ = false;
}

void XPButtonCore::DblClick() {
  if (lastMouseButton_ != kLeftButton) return;
  Redraw(kPressed);
  port_.RaiseDblClick();
}

void XPButtonCore::KeyDown(int16_t key, int16_t) {
  switch (key) {
    case kEnter:
      port_.RaiseClick();
      break;
    case kSpace:
      if (!isMouseDown_) {
        isSpaceDown_ = isPressed_ = true;
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
  if (key != kSpace || isMouseDown_) return;
  if (isMouseOver_) {
    ShowUnlessShown(kHot);
  } else {
    Redraw(kFocused);
  }
  if (isPressed_) port_.RaiseClick();
  isSpaceDown_ = isPressed_ = false;
}

void XPButtonCore::AccessKeyPress(wchar_t) {
  if (!enabled_) return;
  if (isSpaceDown_) {
    isSpaceDown_ = isPressed_ = false;
    if (isMouseOver_) {
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
  isMouseOver_ = false;
  if (isSpaceDown_ || visualState_ == kDisabled) return;
  if (!hasFocus_ && !isDefault_) {
    ShowUnlessShown(kNormal);
  } else if (visualState_ == kPressed) {
    Redraw(isPressed_ ? kFocused : kNormal);
  } else if (visualState_ != kFocused && isParentActive_) {
    Redraw(kFocused);
  }
}

void XPButtonCore::ParentActivation(bool active) {
  int32_t state = active ? 1 : 0;
  if (active) {
    isParentActive_ = true;
    if (enabled_) {
      if (isMouseOver_) {
        ShowUnlessShown(kHot);
      } else if (hasFocus_ || isDefault_) {
        Redraw(kFocused);
      }
    }
  } else {
    isParentActive_ = isPressed_ = isMouseDown_ = isSpaceDown_ = false;
    if (enabled_) ShowUnlessShown(kNormal);
  }
  port_.RaiseFormActivate(state);
}

}  // namespace Widgets
