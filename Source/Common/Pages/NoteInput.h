#pragma once
// Note input into a page's key and velocity fields: while one of the page's edit fields is in text
// entry, a played note-on puts its note number (key fields) or its velocity (velocity fields), as
// the parameter's text, into the field. The parameter is written when the user confirms the entry.
#include <initializer_list>

class QnSynthLayer;

namespace NoteInput {

// True when a field took the note. Only note-ons (0x90 to 0x9F) with data bytes below 0x80 count.
bool Fill(QnSynthLayer* page, unsigned char status, unsigned char note, unsigned char velocity,
          std::initializer_list<int> keyPids, std::initializer_list<int> velocityPids);

}  // namespace NoteInput
