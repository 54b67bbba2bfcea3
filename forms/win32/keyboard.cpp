#include <algorithm>
#include <iterator>
#include <utility>

#include "forms/win32/behaviours.h"
#include "forms/win32/win32_form.h"

namespace velmora::forms::win32 {

bool Win32Form::MoveFocus(HWND from, Arrow arrow) const {
  const Win32Control* control = ControlOf(from);
  if (!control) return false;
  // The array's elements by index, as Qt keeps the buttons of a group.
  std::vector<ArrowStop> stops;
  std::vector<HWND> windows;
  for (const auto& other : controls_) {
    const ControlRow& row = other->row();
    if (row.array != control->row().array || row.index < 0) continue;
    if (row.index >= static_cast<int>(stops.size())) {
      stops.resize(static_cast<size_t>(row.index) + 1, ArrowStop{0, 0, 0, 0, false});
      windows.resize(stops.size());
    }
    ArrowStop stop = StopOf(row);
    stop.takes_focus = other->CanTakeFocus();
    stops[static_cast<size_t>(row.index)] = stop;
    windows[static_cast<size_t>(row.index)] = other->window();
  }
  const int to = ArrowTarget(stops, control->row().index, arrow);
  if (to >= 0) SetFocus(windows[static_cast<size_t>(to)]);
  return true;
}

bool HandleButtonKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !IsGraphicalButton(message.hwnd)) return false;
  if (message.wParam == VK_RETURN) {
    // One press, one click: a key held down repeats its WM_KEYDOWN with bit 30 set.
    if (!(message.lParam & (1 << 30))) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  constexpr std::pair<WPARAM, Arrow> kArrowKeys[] = {{VK_LEFT, Arrow::kLeft},
                                                     {VK_RIGHT, Arrow::kRight},
                                                     {VK_UP, Arrow::kUp},
                                                     {VK_DOWN, Arrow::kDown}};
  const auto key = std::find_if(std::begin(kArrowKeys), std::end(kArrowKeys),
                                [&](const auto& entry) { return entry.first == message.wParam; });
  if (key == std::end(kArrowKeys)) return false;
  const Arrow arrow = key->second;
  HWND parent = GetParent(message.hwnd);
  wchar_t parent_class[16] = {};
  GetClassNameW(parent, parent_class, 16);
  if (lstrcmpW(parent_class, kFormClass) != 0) return false;
  const auto* form = reinterpret_cast<const Win32Form*>(GetWindowLongPtrW(parent, GWLP_USERDATA));
  return form && form->MoveFocus(message.hwnd, arrow);
}

}  // namespace velmora::forms::win32
