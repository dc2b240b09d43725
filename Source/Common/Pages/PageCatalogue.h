#pragma once
// Which edit page stands at which index of which main tab of the editor window.
class CTabPageLayer;
namespace QorX0 {
class IRemoteSynth;
}

// Main tabs in the window's order: 0 combination, 1 multi, 2 program, 3 global.
enum : int { kEditTabCombi = 0, kEditTabMulti = 1, kEditTabProg = 2, kEditTabGlobal = 3 };

int EditPageCount(int tab);  // 8, 8, 10, 6; 0 otherwise
// A new page of that tab, constructed but not created; null for an index out of range.
CTabPageLayer* NewEditPage(QorX0::IRemoteSynth* synth, int tab, int index);
// Its background image name ("Background_MainTab_Small" or "Background_MainTab_Large"); null for
// an index out of range.
const char* EditPageBackground(int tab, int index);

// Per family, each in its own file (the catalogue dispatches to them).
CTabPageLayer* NewProgPage(QorX0::IRemoteSynth* synth, int index);
CTabPageLayer* NewCombiMultiPage(QorX0::IRemoteSynth* synth, bool multi, int index);
CTabPageLayer* NewGlobalPage(QorX0::IRemoteSynth* synth, int index);
