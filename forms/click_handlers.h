#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/form.h"

namespace velmora::forms {

/// The one click handler of each control array, as every backend keeps them: a click on an
/// element calls its array's handler with the element's index; arrays without one ignore it.
class ClickHandlers {
 public:
  void Set(std::string_view array, ClickHandler handler) {
    handlers_.emplace_back(std::string(array), std::move(handler));
  }
  void Click(std::string_view array, int index) const {
    for (const auto& [name, handler] : handlers_) {
      if (name != array) continue;
      const ClickHandler call = handler;  // the handler may set another while it runs
      call(index);
      return;
    }
  }

 private:
  // A handful of arrays, each given its handler once: a list is smaller than a map and as
  // quick.
  std::vector<std::pair<std::string, ClickHandler>> handlers_;
};

}  // namespace velmora::forms
