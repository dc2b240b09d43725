// The toolkit's own glyph strips: the chrome fonts of its menus and windows. Everything else of the
// toolkit's chrome is drawn at run time with vector operations.
#include "ArtGen.h"

ART_FONT(HfcUiFont, "HfcUiFont", kArtDejaVu, "DejaVuSans.ttf", 11, kArtProportional, 0xFFFFFFFF);
ART_FONT(HfcUiFontBold, "HfcUiFontBold", kArtDejaVu, "DejaVuSans-Bold.ttf", 11, kArtProportional, 0xFFFFFFFF);
