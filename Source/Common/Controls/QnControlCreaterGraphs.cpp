// The factory functions of the graphs and the zone slope bar.
#include <cstdint>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"

namespace {

namespace G = ArtGeometry;

// The envelope graphs' looks: 0 and 1 signed levels (the zone towards the middle), 2 unsigned (the
// zone towards the bottom). Handles per point, by look.
constexpr unsigned char kEnvelopeHandlesLook0[G::kEnvPointCount] = {1, 1, 1, 0, 0, 1};
constexpr unsigned char kEnvelopeHandlesOther[G::kEnvPointCount] = {1, 1, 1, 1, 0, 1};
constexpr float kGraphDisabledAlpha = 0.4f;
constexpr int kGraphMarkSize = 11;
constexpr int kGraphMaximum = 198;
constexpr float kGraphScale = 10.0f;
constexpr uint32_t kGraphRed = 0xFFFF0000;
constexpr uint32_t kGraphPointFill = 0xFF990000;
constexpr uint32_t kGraphPointFrame = 0xFF000000;
constexpr uint32_t kMiniLine = 0xFFFFFFFF;
constexpr int kMiniEnvelopeWidth = 84;
constexpr int kMiniFilterWidth = 85;
constexpr int kMiniGraphHeight = 55;

bool IsUnsignedLook(int look) {
    return look == 2;
}

// What the two large graphs' records share: the graph at (x, y) of width x height over the named
// back image from (2, 2), the handles and their labels, the range and the colours.
template <class Record>
Record GraphRecord(int x, int y, int width, int height, const char* back, const char* labels) {
    Record p;
    p.x = x;
    p.y = y;
    p.width = width;
    p.height = height;
    p.back = QnControlCreater::LoadImage(back);
    p.backX = G::kGraphMarginLow;
    p.backY = G::kGraphMarginLow;
    p.markSize = kGraphMarkSize;
    p.markImage = QnControlCreater::LoadImage(labels);
    p.minimum = 0;
    p.maximum = kGraphMaximum;
    p.lineColour = kGraphRed;
    p.unusedColour1 = kGraphRed;
    p.pointFillColour = kGraphPointFill;
    p.pointFrameColour = kGraphPointFrame;
    p.scale = kGraphScale;
    return p;
}

// The large envelope graph's record, before the mini graph's changes.
tagXBCtrlEnvelopeGraphParam EnvelopeRecord(int x, int y, int look) {
    auto p = GraphRecord<tagXBCtrlEnvelopeGraphParam>(
        x, y, G::kEnvGraphWidth, G::kEnvGraphHeight,
        IsUnsignedLook(look) ? "Container_Graph_Unsigned_Large" : "Container_Graph_Large",
        "PointNameFilterAmpEg");
    p.pointCount = G::kEnvPointCount;
    p.zoneColour = 0x7EFF0000;
    p.unusedColour2 = 0xFF000000;
    p.unusedFloat = 1.0f;
    p.keyTimeAdjust = 0;
    p.zoneBaseline = IsUnsignedLook(look) ? 0 : 1;
    p.handleFlags = look == 0 ? kEnvelopeHandlesLook0 : kEnvelopeHandlesOther;
    return p;
}

// A mini graph of the overview: width x 55 over the creator's background from (x, y), no labels,
// white lines and no other colour.
template <class Record>
void MakeMini(Record* p, int width, CHfcBmp* background, int x, int y) {
    p->width = width;
    p->height = kMiniGraphHeight;
    p->back = background;
    p->backX = x;
    p->backY = y;
    p->markImage = nullptr;
    p->lineColour = kMiniLine;
    p->unusedColour1 = p->unusedColour2 = p->pointFillColour = p->pointFrameColour = 0;
}

// Every point at level, time 198; point 4 of look 0 at time 0.
void SetInitialPoints(CXBCtrlEnvelopeGraph* graph, int look, int level) {
    for (int i = 0; i < G::kEnvPointCount; ++i) {
        const tagEnvelopeValue value{i, level, look == 0 && i == 4 ? 0 : kGraphMaximum};
        graph->SetEnvelopeValue(&value, false);
    }
}

CXBCtrlEnvelopeGraph* MakeEnvelopeGraph(const tagXBCtrlEnvelopeGraphParam& param, int id) {
    auto* graph = new CXBCtrlEnvelopeGraph;
    if (!graph->Create(&param, id, 0)) {
        delete graph;
        return nullptr;
    }
    return graph;
}

tagXBCtrlFilterGraphParam FilterRecord(int x, int y) {
    auto p = GraphRecord<tagXBCtrlFilterGraphParam>(x, y, G::kFilterGraphWidth, G::kFilterGraphHeight,
                                                    "Container_Graph_Small", "PointNameFilter");
    p.filterType = 0;
    p.fillColour = 0x10FF0000;
    p.unusedColour2 = kGraphRed;
    p.unusedWord = 1;
    p.keyAdjust = 0;
    return p;
}

// Created as type 0, then made two-handled: handle 0 at resonance 99, cutoff 0; handle 1 at 0, 50;
// faded to 40 % while disabled.
CXBCtrlFilterGraph* MakeFilterGraph(const tagXBCtrlFilterGraphParam& param, int id) {
    auto* graph = new CXBCtrlFilterGraph;
    if (!graph->Create(&param, id, 0)) {
        delete graph;
        return nullptr;
    }
    graph->SetFilterType(1, false);
    const tagFilterValue first{0, 99, 0}, second{1, 0, 50};
    graph->SetFilterValue(&first, false);
    graph->SetFilterValue(&second, false);
    graph->SetDisabledAlpha(kGraphDisabledAlpha);
    return graph;
}

}  // namespace

QorZoneSlopeBar* QnControlCreater::CreateZoneSlopeBar(int x, int y, int id) {
    tagJxCtrlZoneSlopeBarParam p;
    p.x = x;
    p.y = y;
    p.back = LoadImage("ZoneSlopeBarBack");
    p.barX = G::kZoneBarX;
    p.barY = G::kZoneBarY;
    p.zoneImage = LoadImage("ZoneBar");
    p.slopeImage = LoadImage("SlopeBar");
    p.needleColourInZone = 0xFF003983;
    p.needleColourOutside = 0xFFDB0330;
    p.minimum = 0;
    p.maximum = 127;
    p.scale = 10.0f;
    auto* bar = new QorZoneSlopeBar;
    if (!bar->Create(&p, id, 0)) {
        delete bar;
        return nullptr;
    }
    bar->SetMouseDownCursor(10);
    bar->SetParamSlopeMin(0, false);
    bar->SetParamSlopeMax(127, false);
    bar->SetParamZoneMin(0, false);
    bar->SetParamZoneMax(127, false);
    return bar;
}

CXBCtrlEnvelopeGraph* QnControlCreater::CreateEnvelopeGraph(int x, int y, int look, int id) {
    CXBCtrlEnvelopeGraph* graph = MakeEnvelopeGraph(EnvelopeRecord(PlaceX(x), PlaceY(y), look), id);
    if (graph == nullptr) return nullptr;
    SetInitialPoints(graph, look, IsUnsignedLook(look) ? 0 : 99);
    graph->SetDisabledAlpha(kGraphDisabledAlpha);
    return graph;
}

CXBCtrlEnvelopeGraph* QnControlCreater::CreateMiniEnvelopeGraph(int x, int y, int look, int id) {
    tagXBCtrlEnvelopeGraphParam p = EnvelopeRecord(PlaceX(x), PlaceY(y), look);
    MakeMini(&p, kMiniEnvelopeWidth, m_background, x, y);
    p.zoneColour = 0;
    CXBCtrlEnvelopeGraph* graph = MakeEnvelopeGraph(p, id);
    if (graph != nullptr) SetInitialPoints(graph, look, 99);
    return graph;
}

CXBCtrlFilterGraph* QnControlCreater::CreateFilterGraph(int x, int y, int id) {
    return MakeFilterGraph(FilterRecord(x, y), id);
}

CXBCtrlFilterGraph* QnControlCreater::CreateMiniFilterGraph(int x, int y, int id) {
    tagXBCtrlFilterGraphParam p = FilterRecord(x, y);
    MakeMini(&p, kMiniFilterWidth, m_background, x, y);
    p.fillColour = 0;
    return MakeFilterGraph(p, id);
}
