#pragma once

#include "forms/form.h"

namespace velmora {

/// The Label2 element that is the invisible hotspot in the window's top-left corner.
constexpr int kHiddenNoteHotspot = 25;
/// The help context the note's box carries; the program supplies no help file.
constexpr int kHiddenNoteHelpContext = 1200;

/// The note's two lines joined by CR LF.
extern const char* const kHiddenNote;
/// The captions of its buttons, where the platform does not caption them itself.
extern const char* const kHiddenNoteOkCaption;
extern const char* const kHiddenNoteCancelCaption;

/// Click handler of the Label2 array: the hotspot opens the note in a message box titled
/// with the form's caption as it reads now; every other element does nothing.
void ShowHiddenNote(forms::Form& form, int index);

}  // namespace velmora
