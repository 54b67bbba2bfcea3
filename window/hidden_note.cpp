#include "window/hidden_note.h"

namespace velmora {

const char* const kHiddenNote = "В това приложение липсва\r\nописание на сорс кода!";
const char* const kHiddenNoteOkCaption = "OK";
const char* const kHiddenNoteCancelCaption = "Отказ";

void ShowHiddenNote(forms::Form& form, int index) {
  if (index != kHiddenNoteHotspot) return;
  // Whichever button closes the box, nothing follows.
  form.MsgBox({.prompt = kHiddenNote,
               .buttons = forms::MsgBoxButtons::kOkCancel,
               .title = form.Caption(),
               .ok_caption = kHiddenNoteOkCaption,
               .cancel_caption = kHiddenNoteCancelCaption,
               .help_file = "",
               .help_context = kHiddenNoteHelpContext});
}

}  // namespace velmora
