#include "host/forms/widget_site.h"

#include "host/forms/widget_events.h"

namespace Forms {

void WidgetSite::Announce(const wchar_t* name) {
  if (widget_) widget_->AmbientChanged(name);
}

void WidgetSite::SetAmbientBackColor(uint32_t colour) {
  ambient_.back_color = colour;
  Announce(kAmbientBackColor);
}

void WidgetSite::SetDisplayAsDefault(bool value) {
  ambient_.display_as_default = value;
  Announce(kAmbientDisplayAsDefault);
}

void WidgetSite::SetUserMode(bool value) {
  ambient_.user_mode = value;
  Announce(kAmbientUserMode);
}

}  // namespace Forms
