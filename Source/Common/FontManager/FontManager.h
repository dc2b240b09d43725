#pragma once
// The editor's eight bitmap fonts by name. Each font record holds its glyph strip (an image of the
// image cache), the width table and the cell and text heights; the records are static data and the
// map only points at them. A reference-counted singleton, started after the image cache.
#include <map>
#include <mutex>
#include <set>
#include <string>

class CHfcBmp;
struct tagHfcBmpFontInfo;

// Font names. Single objects, so that comparing name pointers holds across the program.
inline constexpr char FontName_W4H9[] = "TextW4H9";
inline constexpr char FontName_Geneva9[] = "FontGeneva9";
inline constexpr char FontName_Geneva9_Shadow[] = "FontGeneva9_Shadow";
inline constexpr char FontName_Geneva9_for_Controls[] = "FontGeneva9ForControls";
inline constexpr char FontName_Geneva10[] = "FontGeneva10";
inline constexpr char FontName_HelvB11[] = "FontHelvB11";
inline constexpr char FontName_HelvB11_Shadow[] = "FontHelvB11_Shadow";
inline constexpr char FontName_HelvB18[] = "FontHelvB18";
// The fonts of parameter values, parameter labels and category labels.
inline constexpr const char* FontName_ParamValue = FontName_Geneva9;
inline constexpr const char* FontName_ParamLabel = FontName_Geneva10;
inline constexpr const char* FontName_CategoryLabel = FontName_HelvB11_Shadow;

// The eight records.
extern tagHfcBmpFontInfo gFontInfo_HelvB18;
extern tagHfcBmpFontInfo gFontInfo_HelvB11_Shadow;
extern tagHfcBmpFontInfo gFontInfo_HelvB11;
extern tagHfcBmpFontInfo gFontInfo_Geneva10;
extern tagHfcBmpFontInfo gFontInfo_Geneva9_for_Controls;
extern tagHfcBmpFontInfo gFontInfo_Geneva9_Shadow;
extern tagHfcBmpFontInfo gFontInfo_Geneva9;
extern tagHfcBmpFontInfo gFontInfoW4H9;

class FontManager {
public:
    // Creates the instance on the first call (the image cache must stand) and counts one more user;
    // true when it exists.
    static bool Initialize();
    // Counts one user less; the last one frees the map and the instance (the images stay cached).
    static void Uninitialize();
    static FontManager* GetInstance();

    // The record of that font, or none.
    tagHfcBmpFontInfo* GetBmpFontInfo(const std::string& name);

    // The image cache is about to destroy image: every record that shows it lets go of it.
    static void ForgetImage(const CHfcBmp* image);

private:
    FontManager();
    ~FontManager();
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    static FontManager* mInstance;
    static int mRefCounter;

    std::map<std::string, tagHfcBmpFontInfo*> m_fonts;
    std::mutex m_reportLock;
    std::set<std::string> m_reported;  // unknown names already traced
};
