#include "forms/form.h"

#include <algorithm>

namespace velmora::forms {

void FocusFirst(const std::vector<Control*>& tab_order) {
  const auto first = std::find_if(tab_order.begin(), tab_order.end(),
                                  [](const Control* control) { return control->CanTakeFocus(); });
  if (first != tab_order.end()) (*first)->TakeFocus();
}

}  // namespace velmora::forms
