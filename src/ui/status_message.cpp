// Drawing the status message: its grey level is the countdown's low byte.
#include "ui/status_message.h"

namespace jetvale {

void StatusMessage::DrawAndFade(CGapiSurface& surface) {
  if (countdown <= 0) return;
  const int grey = countdown & 0xFF;
  surface.DrawTextW(2, 233, text, MakeColor(grey, grey, grey), kTextPlain);
  countdown -= 1;
}

}  // namespace jetvale
