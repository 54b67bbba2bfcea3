#include "forms/win32/text.h"
#include "forms/win32/win32_form.h"

namespace velmora::forms::win32 {

// The system's message box, modal to the program, its first button the default.
MsgBoxResult Win32Form::MsgBox(const MsgBoxRequest& box) {
  const std::wstring prompt = Widen(box.prompt), title = Widen(box.title);
  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = window_;
  params.hInstance = GetModuleHandleW(nullptr);
  params.lpszText = prompt.c_str();
  params.lpszCaption = title.c_str();
  params.dwStyle = (box.buttons == MsgBoxButtons::kOkCancel ? MB_OKCANCEL : MB_OK) | MB_DEFBUTTON1 |
                   MB_APPLMODAL;
  params.dwContextHelpId = static_cast<DWORD_PTR>(box.help_context);
  return MessageBoxIndirectW(&params) == IDCANCEL ? MsgBoxResult::kCancel : MsgBoxResult::kOk;
}

}  // namespace velmora::forms::win32
