// The overview of the current program under the program play page: boxes of its basic settings,
// pitch envelope, oscillators and LFOs, effects; a click on a box opens its edit page.
#include <algorithm>
#include <string>
#include <string_view>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Model/ModelStrings.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

namespace G = ArtGeometry;

constexpr uint32_t kTextColour = 0xFFFFFFFF;
constexpr uint32_t kTitleColour = 0xFF6178C2;
// A line of the font with its descenders: texts never draw outside their own rectangle, and never
// over a box's edge.
constexpr int kTextHeight = 11;
// The OSC and LFO rows are a line and its top margin high; their texts start a row higher than in the
// other boxes so that the line ends inside the row.
constexpr int kRowTextY = 5;

// The rows of the OSC and LFO boxes, and the row of the filter and amplifier boxes below them.
constexpr int kOscX = 397;
constexpr int kRow(int i) {
    return 343 + G::kOverviewOscHeight * i;
}
// The row starts just right of the pitch EG box, which reaches below the OSC and LFO rows.
constexpr int kFgY = kRow(6);
constexpr int kFg(int i) {
    return 393 + G::kOverviewFgWidth * i;
}

struct Box {
    int id;
    const char* image;
    int x, y;
    const char* title;
};
// The boxes by container id. The OSC and LFO boxes of each oscillator stand one below the other at
// x 397; the Filter and AMP boxes of both oscillators stand in one row under them, with the Master EQ
// box at the row's end (where the boxes leave it room).
constexpr Box kBoxes[] = {
    {0, "Container_ProgPlay_Overview_Basic", 261, 343, "Basic"},
    {1, "Container_ProgPlay_Overview_EG", 279, 389, "Pitch EG"},
    {2, "Container_ProgPlay_Overview_OSC", kOscX, kRow(0), "OSC1"},
    {3, "Container_ProgPlay_Overview_LFO", kOscX, kRow(1), "LFO1"},
    {4, "Container_ProgPlay_Overview_LFO", kOscX, kRow(2), "LFO2"},
    {7, "Container_ProgPlay_Overview_OSC", kOscX, kRow(3), "OSC2"},
    {8, "Container_ProgPlay_Overview_LFO", kOscX, kRow(4), "LFO1"},
    {9, "Container_ProgPlay_Overview_LFO", kOscX, kRow(5), "LFO2"},
    {5, "Container_ProgPlay_Overview_FG", kFg(0), kFgY, "Filter"},
    {6, "Container_ProgPlay_Overview_FG", kFg(1), kFgY, "AMP"},
    {10, "Container_ProgPlay_Overview_FG", kFg(2), kFgY, "Filter"},
    {11, "Container_ProgPlay_Overview_FG", kFg(3), kFgY, "AMP"},
    {12, "Container_ProgPlay_Overview_Basic", 673, 343, "Insert FX"},
    {13, "Container_ProgPlay_Overview_MasterFX", 673, 389, "Master FX"},
    {14, "Container_ProgPlay_Overview_MasterEQ", kFg(4) + 2, 447, "Master EQ"},
};

struct PagePick {
    int page, sub;
};
PagePick PageOfBox(int id, int yInBox) {
    switch (id) {
        case 0:
            return {1, 0};
        case 1:
            return {2, 4};
        case 2:
            return {1, 1};
        case 7:
            return {1, 2};
        case 3:
            return {3, 0};
        case 4:
            return {3, 1};
        case 8:
            return {3, 2};
        case 9:
            return {3, 3};
        case 5:
            return {4, 0};
        case 10:
            return {5, 0};
        case 6:
            return {6, 0};
        case 11:
            return {6, 3};
        case 12:
            return {8, 1};
        case 13:
            return {9, yInBox <= 34 ? 1 : 2};
        case 14:
            return {9, 3};
        default:
            return {1, 0};
    }
}

struct OscPids {
    int msHigh, msLow, lfo1Wave, lfo1Freq, lfo2Wave, lfo2Freq;
    int filterType, resonance, cutoffA, cutoffB, ampLevel, ampPan;
    int ampLevels[4];
    int ampTimes[3], ampRelease;
};
// Oscillator 2's rows lie 0x0D00 above oscillator 1's.
constexpr OscPids Osc2Of(OscPids p) {
    for (int* pid : {&p.msHigh, &p.msLow, &p.lfo1Wave, &p.lfo1Freq, &p.lfo2Wave, &p.lfo2Freq, &p.filterType,
                     &p.resonance, &p.cutoffA, &p.cutoffB, &p.ampLevel, &p.ampPan, &p.ampRelease})
        *pid += 0x0D00;
    for (int& pid : p.ampLevels) pid += 0x0D00;
    for (int& pid : p.ampTimes) pid += 0x0D00;
    return p;
}
constexpr OscPids kOsc1Pids = {.msHigh = 0x0201,
                               .msLow = 0x0206,
                               .lfo1Wave = 0x0300,
                               .lfo1Freq = 0x0302,
                               .lfo2Wave = 0x0400,
                               .lfo2Freq = 0x0402,
                               .filterType = 0x0600,
                               .resonance = 0x0602,
                               .cutoffA = 0x0700,
                               .cutoffB = 0x0800,
                               .ampLevel = 0x0B00,
                               .ampPan = 0x0E00,
                               .ampLevels = {0x0C00, 0x0C02, 0x0C04, 0x0C06},
                               .ampTimes = {0x0C01, 0x0C03, 0x0C05},
                               .ampRelease = 0x0C07};
constexpr OscPids kOscPids[2] = {kOsc1Pids, Osc2Of(kOsc1Pids)};
static_assert(kOscPids[1].msHigh == 3841 && kOscPids[1].ampRelease == 6407 &&
              kOscPids[1].ampTimes[2] == 6405);

}  // namespace

void BackgroundLayer::CreateOverview() {
    for (const Box& box : kBoxes) {
        CHfcBmp* image = QnControlCreater::LoadImage(box.image);
        if (image == nullptr) continue;
        auto* container = new QnControlContainer(false);
        container->m_pOwner = this;
        container->m_iId = box.id;
        container->m_x = box.x;
        container->m_y = box.y;
        container->m_width = image->GetWidth();
        container->m_height = image->GetHeight();
        container->m_pBackground = image;
        container->m_bVisible = false;
        m_overview.push_back(container);
        QnControlCreater creater(image, box.x, box.y);
        auto add = [&](CHfcControl* control) {
            m_owned.push_back(control);
            AddControl(control, false);
            control->Hide(false);
            container->AddControl(control);
        };
        auto text = [&](int x, int y, int w, int id, const char* initial) {
            QnStaticText* t = creater.CreateStaticText(x, y, w, kTextHeight, initial, FontName_Geneva9,
                                                       kTextColour, 0, 1, id);
            if (t == nullptr) return;
            add(t);
            t->SetListener(this);
        };
        // The box's title, left of the box's first text (at x 44 in the filter and amplifier boxes).
        const bool fg = std::string_view(box.image) == "Container_ProgPlay_Overview_FG";
        const bool row = container->m_height == G::kOverviewOscHeight;
        const int y = row ? kRowTextY : 6;
        // The right-hand text of a row stops short of the box's rounded corner.
        const int rightWidth = container->m_width - 161 - 6;
        // Narrow boxes put their title a pixel nearer the edge; it never reaches the box's right edge.
        const int titleX = container->m_width < 100 ? 3 : 4;
        const int titleWidth = fg ? 40 : std::min(50, container->m_width - titleX - 1);
        if (QnStaticText* title =
                creater.CreateStaticText(titleX, y, titleWidth, kTextHeight, box.title, FontName_Geneva9,
                                         kTitleColour, 0, 1, kIdOverviewTitle + box.id))
            add(title);
        const int osc = box.id >= 7 && box.id <= 11 ? 1 : 0;
        const int c = kIdOverviewFirst + 3 + 12 * osc;
        const int valueWidth = container->m_width - 44 - 2;
        // The left column stops short of the right one: a long sample name is cut a few pixels
        // before the next name begins, not run into it.
        constexpr int kLeftWidth = 100;
        switch (box.id) {
            case 0:
                text(4, 22, container->m_width - 8, kIdOverviewFirst, "OSC MODE : ");
                break;
            case 1:
                if (CXBCtrlEnvelopeGraph* graph =
                        creater.CreateMiniEnvelopeGraph(14, 28, 0, kIdOverviewFirst + 2)) {
                    add(graph);
                    graph->Disable(false);
                }
                break;
            case 2:
            case 7:
                text(56, y, kLeftWidth, c, "");
                text(161, y, rightWidth, c + 1, "");
                break;
            case 3:
            case 8:
                text(56, y, kLeftWidth, c + 2, "");
                text(161, y, rightWidth, c + 3, "");
                break;
            case 4:
            case 9:
                text(56, y, kLeftWidth, c + 4, "");
                text(161, y, rightWidth, c + 5, "");
                break;
            case 5:
            case 10:
                text(44, 6, valueWidth, c + 6, "Type :");
                text(44, 17, valueWidth, c + 7, "");
                if (CXBCtrlFilterGraph* graph = creater.CreateMiniFilterGraph(3, 30, c + 10)) {
                    // The factory leaves a filter graph where it is asked for, not offset into the
                    // box as the box's other controls are: it goes there.
                    const tagHfcRect r = graph->GetRect();
                    graph->Move(r.left + box.x, r.top + box.y, false);
                    add(graph);
                    graph->SetListener(this);
                }
                break;
            case 6:
            case 11:
                text(44, 6, valueWidth, c + 8, "");
                text(44, 17, valueWidth, c + 9, "");
                if (CXBCtrlEnvelopeGraph* graph = creater.CreateMiniEnvelopeGraph(3, 30, 0, c + 11)) {
                    add(graph);
                    graph->SetListener(this);
                }
                break;
            case 12:
                text(4, 22, container->m_width - 8, kIdOverviewFirst + 27, "No Effect");
                break;
            case 13:
                text(4, 18, container->m_width - 8, kIdOverviewFirst + 28, "");
                text(4, 37, container->m_width - 8, kIdOverviewFirst + 29, "");
                break;
            default:
                break;
        }
    }
}

void BackgroundLayer::DestroyOverview() {
    for (QnControlContainer* container : m_overview) delete container;
    m_overview.clear();
}

void BackgroundLayer::RefreshOverviewContainers() {
    for (QnControlContainer* container : m_overview) container->OnRefresh();
}

void BackgroundLayer::UpdateOverview() {
    QorX0::IRemoteSynth* synth = GetSynth();
    const int mode = synth != nullptr ? synth->GetMode() : -1;
    const bool shown = mode == QorX0::kModeProgPlay || mode == QorX0::kModeProgEdit;
    for (QnControlContainer* container : m_overview) {
        if (shown)
            container->Show(true);
        else
            container->Hide(true);
    }
    RequestRedraw();
    if (!shown) return;
    constexpr int kProg = QorX0::kModeProgEdit;
    // A parameter's display text (its long name, without the short one behind it).
    auto textOf = [this](int pid) { return QorX0::multiszlong(GetParamString(kProg, pid)); };
    auto setText = [this](int id, std::string text) {
        if (CHfcControl* control = GetControlById(id, 0)) control->SetPtrValue(text.data(), true);
    };
    const int oscMode = GetParamValue(kProg, 1);
    setText(kIdOverviewFirst, "OSC MODE : " + textOf(1));
    if (auto* graph = dynamic_cast<CXBCtrlEnvelopeGraph*>(GetControlById(kIdOverviewFirst + 2, 0))) {
        // What the section gives for no parameter: 0.
        const int none = GetParamValue(kProg, -1);
        const tagEnvelopeValue points[6] = {
            {0, GetParamValue(kProg, 256) + 99, 0},
            {1, GetParamValue(kProg, 258) + 99, 2 * GetParamValue(kProg, 257)},
            {2, none + 99, 2 * GetParamValue(kProg, 259)},
            {3, 99, 198},
            {4, 99, 0},
            {5, GetParamValue(kProg, 261) + 99, 2 * GetParamValue(kProg, 260)},
        };
        for (const tagEnvelopeValue& p : points) graph->SetEnvelopeValue(&p, true);
    }
    for (int o = 0; o < 2; ++o) {
        const int c = kIdOverviewFirst + 3 + 12 * o;
        const OscPids& pids = kOscPids[o];
        const bool drums = oscMode == 2;
        for (int i = 0; i < 2; ++i) {
            const int pid = i == 0 ? pids.msHigh : pids.msLow;
            CHfcControl* control = GetControlById(c + i, 0);
            if (control == nullptr) continue;
            setText(c + i, std::string(drums ? "D:" : (i == 0 ? "H:" : "L:")) + textOf(pid));
            QorX0::PARAMDESC desc{};
            const bool locked = GetParamDesc(&desc, kProg, pid) && (desc.flags & 3) != 0;
            if (locked || (o == 1 && oscMode != 1))
                control->Disable(true);
            else
                control->Enable(true);
        }
        setText(c + 2, textOf(pids.lfo1Wave));
        setText(c + 3, "(Freq:" + textOf(pids.lfo1Freq) + ")");
        setText(c + 4, textOf(pids.lfo2Wave));
        setText(c + 5, "(Freq:" + textOf(pids.lfo2Freq) + ")");
        const int filterType = GetParamValue(kProg, pids.filterType);
        setText(c + 6, "Type :");
        // The type's short name: the box has room for "LPF+RES" and no more.
        setText(c + 7, filterType == 0 ? std::string("LPF+RES")
                                       : QorX0::multiszshort(GetParamString(kProg, pids.filterType)));
        setText(c + 8, "Lvl:" + textOf(pids.ampLevel));
        setText(c + 9, "Pan:" + textOf(pids.ampPan));
        if (auto* graph = dynamic_cast<CXBCtrlFilterGraph*>(GetControlById(c + 10, 0))) {
            const int cutoffA = 2 * GetParamValue(kProg, pids.cutoffA);
            if (filterType == 0) {
                graph->SetFilterType(0, true);
                const tagFilterValue low{0, 2 * GetParamValue(kProg, pids.resonance), cutoffA};
                graph->SetFilterValue(0, &low, true);
            } else {
                graph->SetFilterType(1, true);
                const tagFilterValue low{0, 99, cutoffA};
                const tagFilterValue high{0, 198, GetParamValue(kProg, pids.cutoffB)};
                graph->SetFilterValue(0, &low, true);
                graph->SetFilterValue(1, &high, true);
            }
        }
        if (auto* graph = dynamic_cast<CXBCtrlEnvelopeGraph*>(GetControlById(c + 11, 0))) {
            auto level = [&](int i) { return 2 * GetParamValue(kProg, pids.ampLevels[i]); };
            auto time = [&](int i) { return 2 * GetParamValue(kProg, pids.ampTimes[i]); };
            const tagEnvelopeValue points[6] = {
                {0, level(0), 0},
                {1, level(1), time(0)},
                {2, level(2), time(1)},
                {3, level(3), time(2)},
                {4, level(3), 198},
                // Its level is that of no parameter, as the pitch envelope's third point's.
                {5, 2 * GetParamValue(kProg, -1), 2 * GetParamValue(kProg, pids.ampRelease)},
            };
            for (const tagEnvelopeValue& p : points) graph->SetEnvelopeValue(&p, true);
        }
        // Oscillator 2's boxes are in use in double mode only; the multisample texts follow their rows.
        for (int id = c + 2; id <= c + 11; ++id) {
            if (CHfcControl* control = GetControlById(id, 0)) {
                if (o == 0 || oscMode == 1)
                    control->Enable(true);
                else
                    control->Disable(true);
            }
        }
    }
    setText(kIdOverviewFirst + 27, textOf(7680));
    setText(kIdOverviewFirst + 28, textOf(8192));
    setText(kIdOverviewFirst + 29, textOf(8193));
    RequestRedraw();
}

void BackgroundLayer::OnOverviewPress(int x, int y) {
    for (QnControlContainer* container : m_overview) {
        if (!container->m_bVisible) continue;
        if (x < container->m_x || x >= container->m_x + container->m_width || y < container->m_y ||
            y >= container->m_y + container->m_height)
            continue;
        const PagePick pick = PageOfBox(container->m_iId, y - container->m_y);
        SelectEditTabPage(QorX0::kModeProgEdit, pick.page, pick.sub);
        return;
    }
}

bool BackgroundLayer::OnOverviewControlPress(CHfcControl* control) {
    for (QnControlContainer* container : m_overview) {
        if (!container->m_bVisible || container->FindControl(control) < 0) continue;
        const tagHfcRect& r = control->GetRect();
        OnOverviewPress(r.left, r.top);
        return true;
    }
    return false;
}
