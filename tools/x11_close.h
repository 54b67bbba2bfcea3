#pragma once

#include <X11/Xlib.h>

namespace velmora::tools {

/// Asks a top-level window to close, as a window manager's close button does
/// (WM_DELETE_WINDOW); true when the request was sent.
inline bool AskToClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  return sent != 0;
}

}  // namespace velmora::tools
