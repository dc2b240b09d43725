// The overview of the current program under the program play page: boxes of its basic settings,
// pitch envelope, oscillators and LFOs, effects; a click on a box opens its edit page.
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

constexpr uint32_t kTextColour = 0xFFFFFFFF;

struct Box {
    int id;
    const char* image;
    int x, y;
};
// The boxes by container id. The OSC and LFO boxes of each oscillator stand one below the other at
// x 397.
constexpr Box kBoxes[] = {
    {0, "Container_ProgPlay_Overview_Basic", 261, 343},
    {1, "Container_ProgPlay_Overview_EG", 279, 389},
    {2, "Container_ProgPlay_Overview_OSC", 397, 343},
    {3, "Container_ProgPlay_Overview_LFO", 397, 363},
    {4, "Container_ProgPlay_Overview_LFO", 397, 383},
    {7, "Container_ProgPlay_Overview_OSC", 397, 403},
    {8, "Container_ProgPlay_Overview_LFO", 397, 423},
    {9, "Container_ProgPlay_Overview_LFO", 397, 443},
    {12, "Container_ProgPlay_Overview_Basic", 673, 343},
    {13, "Container_ProgPlay_Overview_MasterFX", 673, 389},
    {14, "Container_ProgPlay_Overview_MasterEQ", 673, 447},
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
};
constexpr OscPids kOscPids[2] = {{513, 518, 768, 770, 1024, 1026}, {3841, 3846, 4096, 4098, 4352, 4354}};

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
        auto text = [&](int x, int y, int w, int id, const char* initial) {
            QnStaticText* t =
                creater.CreateStaticText(x, y, w, 12, initial, FontName_Geneva9, kTextColour, 0, 1, id);
            if (t == nullptr) return;
            m_owned.push_back(t);
            AddControl(t, false);
            t->SetListener(this);
            t->Hide(false);
            container->AddControl(t);
        };
        const int osc = box.id >= 7 && box.id <= 11 ? 1 : 0;
        const int c = kIdOverviewFirst + 3 + 12 * osc;
        switch (box.id) {
            case 0:
                text(4, 22, container->m_width - 8, kIdOverviewFirst, "OSC MODE : ");
                break;
            case 1:
                if (CXBCtrlEnvelopeGraph* graph =
                        creater.CreateMiniEnvelopeGraph(14, 28, 0, kIdOverviewFirst + 2)) {
                    m_owned.push_back(graph);
                    AddControl(graph, false);
                    graph->Hide(false);
                    graph->Disable(false);
                    container->AddControl(graph);
                }
                break;
            case 2:
            case 7:
                text(56, 6, 104, c, "");
                text(161, 6, 110, c + 1, "");
                break;
            case 3:
            case 8:
                text(56, 6, 104, c + 2, "");
                text(161, 6, 110, c + 3, "");
                break;
            case 4:
            case 9:
                text(56, 6, 104, c + 4, "");
                text(161, 6, 110, c + 5, "");
                break;
            case 12:
                text(4, 22, container->m_width - 8, kIdOverviewFirst + 27, "No Effect");
                break;
            case 13:
                text(4, 16, container->m_width - 8, kIdOverviewFirst + 28, "");
                text(4, 38, container->m_width - 8, kIdOverviewFirst + 29, "");
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
    auto setText = [this](int id, std::string text) {
        if (CHfcControl* control = GetControlById(id, 0)) control->SetPtrValue(text.data(), true);
    };
    const int oscMode = GetParamValue(kProg, 1);
    setText(kIdOverviewFirst, "OSC MODE : " + GetParamString(kProg, 1));
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
            setText(c + i, std::string(drums ? "D:" : (i == 0 ? "H:" : "L:")) + GetParamString(kProg, pid));
            QorX0::PARAMDESC desc{};
            const bool locked = GetParamDesc(&desc, kProg, pid) && (desc.flags & 3) != 0;
            if (locked || (o == 1 && oscMode != 1))
                control->Disable(true);
            else
                control->Enable(true);
        }
        setText(c + 2, GetParamString(kProg, pids.lfo1Wave));
        setText(c + 3, "(Freq:" + GetParamString(kProg, pids.lfo1Freq) + ")");
        setText(c + 4, GetParamString(kProg, pids.lfo2Wave));
        setText(c + 5, "(Freq:" + GetParamString(kProg, pids.lfo2Freq) + ")");
        if (o == 1) {
            for (int id = c + 2; id <= c + 5; ++id) {
                if (CHfcControl* control = GetControlById(id, 0)) {
                    if (oscMode == 1)
                        control->Enable(true);
                    else
                        control->Disable(true);
                }
            }
        }
    }
    setText(kIdOverviewFirst + 27, GetParamString(kProg, 7680));
    setText(kIdOverviewFirst + 28, GetParamString(kProg, 8192));
    setText(kIdOverviewFirst + 29, GetParamString(kProg, 8193));
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
