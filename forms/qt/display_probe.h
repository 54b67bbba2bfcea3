#pragma once

#include <optional>
#include <string>

namespace velmora::forms::qt {

/// Finds out, before Qt loads a platform plugin, whether any of the platforms Qt will try can
/// show a window: Qt aborts the process when none can. Returns the displays tried, for the
/// user ("the X11 display \":4242\""), or nothing when a window can be opened.
std::optional<std::string> UnreachableDisplay();

}  // namespace velmora::forms::qt
