#pragma once
// Where the toolkit finds its images and glyph strips. Every resource is compiled into the library
// (a table made at build time by the art generator), so the plug-in is one shared object; a folder
// named "Resources" beside the shared object (or beside the program, for the main bundle) overrides a
// resource by file name. A bundle is a small reference-counted object naming that folder.
// Main thread only, except the lookups, which only read.
#include <cstddef>
#include <string>

// One compiled-in file, e.g. {"HfcUiFont.png", bytes, size}.
struct HfcResource {
    const char* name;
    const unsigned char* data;
    size_t size;
};

// The width table of a proportional glyph strip: widths 0-127 the drawn width of characters 0-127,
// 128-255 their advance; the strip's row height and the height of its capitals and digits.
struct HfcFontMetrics {
    const char* name;
    int widths[256];
    int cellHeight;
    int textHeight;
};

// The generated tables (defined by the build's generated resource file).
const HfcResource* HfcCompiledResources(size_t* count);
const HfcFontMetrics* HfcCompiledFontMetrics(size_t* count);

struct HfcBundle;
using HfcBundleRef = HfcBundle*;

// A bundle whose override folder is folder (null or empty: compiled-in resources only). The caller
// owns the reference.
HfcBundleRef HfcBundleCreateWithFolder(const char* folder);
HfcBundleRef HfcBundleRetain(HfcBundleRef bundle);
void HfcBundleRelease(HfcBundleRef bundle);
// The override folder of a bundle ("" for none).
std::string HfcBundleGetFolder(HfcBundleRef bundle);

// The bundle of the shared object (or program) that holds this code: its override folder is the
// "Resources" folder beside that file. The caller owns the reference; null when the file cannot be
// found.
HfcBundleRef HfcMacBundleCreateForPlugin();
// Retains bundle (when not null), makes it the toolkit bundle and releases the previous one.
void HfcMacSetBundle(HfcBundleRef bundle);
// The toolkit bundle retained once more for the caller, or null.
HfcBundleRef HfcMacGetBundle();
// The program's own bundle ("Resources" beside the executable); not retained for the caller.
HfcBundleRef HfcMainBundle();

// Finds fileName in bundle: the override folder first (path set, data null), then the compiled-in
// table (data and size set, path empty). False when neither has it.
bool HfcBundleFindResource(HfcBundleRef bundle, const char* fileName, std::string* path,
                           const unsigned char** data, size_t* size);
// The compiled-in width table of a glyph strip by font name, or null.
const HfcFontMetrics* HfcFindFontMetrics(const char* name);
