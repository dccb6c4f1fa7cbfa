#include "host/forms/widget_site.h"

#include "host/forms/widget_events.h"

namespace Forms {

void WidgetSite::Announce(const wchar_t* name) {
  if (widget_) widget_->AmbientChanged(name);
}

void WidgetSite::SetAmbientBackColor(uint32_t colour) {
  ambient_.BackColor = colour;
  Announce(kAmbientBackColor);
}

void WidgetSite::SetDisplayAsDefault(bool value) {
  ambient_.DisplayAsDefault = value;
  Announce(kAmbientDisplayAsDefault);
}

void WidgetSite::SetUserMode(bool value) {
  ambient_.UserMode = value;
  Announce(kAmbientUserMode);
}

}  // namespace Forms
