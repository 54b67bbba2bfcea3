#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "forms/form.h"

namespace velmora::forms {

/// The one click handler of each control array, as every backend keeps them: a click on an
/// element calls its array's handler with the element's index; arrays without one ignore it.
class ClickHandlers {
 public:
  void Set(std::string_view array, ClickHandler handler) {
    handlers_[std::string(array)] = std::move(handler);
  }
  void Click(std::string_view array, int index) const {
    const auto found = handlers_.find(array);
    if (found == handlers_.end()) return;
    const ClickHandler call = found->second;  // the handler may set another while it runs
    call(index);
  }

 private:
  std::map<std::string, ClickHandler, std::less<>> handlers_;
};

}  // namespace velmora::forms
