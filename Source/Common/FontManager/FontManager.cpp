#include "Common/FontManager/FontManager.h"

#include <array>
#include <mutex>

#include "Common/FontManager/FontTables.h"
#include "Common/FontManager/ManagerLock.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Base/HfcBundle.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Linux/Trace.h"

namespace {

// A record from the font's table: advances of codes 0..127 in entries 128..255 (the signed-byte
// index), the drawn widths in entries 0..127. Drawn widths that vary by glyph come from the width
// table made with the glyph strip; until then each is taken as its advance.
constexpr tagHfcBmpFontInfo MakeRecord(const FontTables::FontTable& t) {
    tagHfcBmpFontInfo info{nullptr, {}, t.cellHeight, t.textHeight};
    for (int code = 0; code < 128; ++code) {
        const int advance = FontTables::Advance(t, code);
        info.widths[code + 128] = advance;
        info.widths[code] =
            t.drawnWidth != 0 ? t.drawnWidth : (advance < t.stripWidth ? advance : t.stripWidth);
    }
    return info;
}

}  // namespace

tagHfcBmpFontInfo gFontInfo_HelvB18 = MakeRecord(FontTables::kHelvB18);
tagHfcBmpFontInfo gFontInfo_HelvB11_Shadow = MakeRecord(FontTables::kHelvB11Shadow);
tagHfcBmpFontInfo gFontInfo_HelvB11 = MakeRecord(FontTables::kHelvB11);
tagHfcBmpFontInfo gFontInfo_Geneva10 = MakeRecord(FontTables::kGeneva10);
tagHfcBmpFontInfo gFontInfo_Geneva9_for_Controls = MakeRecord(FontTables::kGeneva9ForControls);
tagHfcBmpFontInfo gFontInfo_Geneva9_Shadow = MakeRecord(FontTables::kGeneva9Shadow);
tagHfcBmpFontInfo gFontInfo_Geneva9 = MakeRecord(FontTables::kGeneva9);
tagHfcBmpFontInfo gFontInfoW4H9 = MakeRecord(FontTables::kW4H9);

FontManager* FontManager::mInstance = nullptr;
int FontManager::mRefCounter = 0;

namespace {

struct NamedRecord {
    const char* name;
    tagHfcBmpFontInfo* record;
};

// In the order the manager loads them.
const std::array<NamedRecord, 8> kRecords = {{
    {FontName_W4H9, &gFontInfoW4H9},
    {FontName_Geneva9, &gFontInfo_Geneva9},
    {FontName_Geneva9_Shadow, &gFontInfo_Geneva9_Shadow},
    {FontName_Geneva9_for_Controls, &gFontInfo_Geneva9_for_Controls},
    {FontName_Geneva10, &gFontInfo_Geneva10},
    {FontName_HelvB11, &gFontInfo_HelvB11},
    {FontName_HelvB11_Shadow, &gFontInfo_HelvB11_Shadow},
    {FontName_HelvB18, &gFontInfo_HelvB18},
}};

}  // namespace

bool FontManager::Initialize() {
    return CountedInitialize(mInstance, mRefCounter, [] { return new FontManager; });
}

void FontManager::Uninitialize() {
    CountedUninitialize(mInstance, mRefCounter, [](FontManager* instance) { delete instance; });
}

FontManager* FontManager::GetInstance() {
    return CountedInstance(mInstance);
}

FontManager::FontManager() {
    ResourceManager* images = ResourceManager::GetInstance();
    for (const NamedRecord& entry : kRecords) {
        entry.record->bitmap = images != nullptr ? images->LoadImage(entry.name) : nullptr;
        // The drawn widths of the glyphs, as measured when the strip was drawn.
        if (const HfcFontMetrics* metrics = HfcFindFontMetrics(entry.name)) {
            for (int code = 0; code < 128; ++code) entry.record->widths[code] = metrics->widths[code];
        }
        m_fonts[entry.name] = entry.record;
    }
}

FontManager::~FontManager() {
    // The images belong to the image cache, which may go first: no record keeps a pointer to one.
    for (const NamedRecord& entry : kRecords) entry.record->bitmap = nullptr;
}

tagHfcBmpFontInfo* FontManager::GetBmpFontInfo(const std::string& name) {
    auto it = m_fonts.find(name);
    if (it != m_fonts.end()) return it->second;
    std::lock_guard<std::mutex> guard(m_reportLock);
    if (m_reported.insert(name).second) TRACE("FontManager: no font \"%s\"\n", name.c_str());
    return nullptr;
}

void FontManager::ForgetImage(const CHfcBmp* image) {
    if (image == nullptr) return;
    for (const NamedRecord& entry : kRecords) {
        if (entry.record->bitmap == image) entry.record->bitmap = nullptr;
    }
}
