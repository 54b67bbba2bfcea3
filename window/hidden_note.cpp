#include "window/hidden_note.h"

namespace velmora {

const char* const kHiddenNote = "В това приложение липсва\r\nописание на сорс кода!";

void ShowHiddenNote(forms::Form& form, int index) {
  if (index != kHiddenNoteHotspot) return;
  // Whichever button closes the box, nothing follows.
  form.MsgBox({.prompt = kHiddenNote,
               .buttons = forms::MsgBoxButtons::kOkCancel,
               .title = form.Caption(),
               .help_file = "",
               .help_context = kHiddenNoteHelpContext});
}

}  // namespace velmora
