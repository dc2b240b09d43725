#include "Common/Layers/EnvelopeGraphManager.h"

#include <algorithm>
#include <cstdint>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/TabControl.h"
#include "Linux/Trace.h"

namespace {

int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// Halves rounding down, negative values too.
int HalfDown(int value) {
    return value >= 0 ? value / 2 : static_cast<int>(-((1 - int64_t{value}) / 2));
}

}  // namespace

EnvelopeGraphManager::EnvelopeGraphManager(CTabPageLayer* page, CXBCtrlEnvelopeGraph* graph,
                                           const int levelPids[kPoints], const int timePids[kPoints])
    : m_pPage(page),
      m_pGraph(graph),
      m_levelPids(levelPids, levelPids + kPoints),
      m_timePids(timePids, timePids + kPoints) {
    if (m_pPage == nullptr) return;
    // In the page's list before the first proxy is synchronised, so that it already places its point.
    m_pPage->AddEnvelopeGraphManager(this);
    for (int point = 0; point < kPoints; ++point)
        if (m_levelPids[point] != -1) MakeProxy(m_levelPids[point], point);
    for (int point = 0; point < kPoints; ++point)
        if (m_timePids[point] != -1) MakeProxy(m_timePids[point], point);
}

EnvelopeGraphManager::~EnvelopeGraphManager() = default;

void EnvelopeGraphManager::MakeProxy(int pid, int point) {
    QnControlCreater creator(m_pPage->GetBackground(), 0, 0);
    CHfcControl* proxy = creator.CreateHorizontalValueBar(0, 0, -99, 99, 0, pid);
    if (proxy == nullptr) {
        TRACE("EnvelopeGraphManager: no proxy for PID 0x%04X\n", pid);
        return;
    }
    // A proxy takes the key (PID, point): a control of the page already there would stop updating.
    if (m_pPage->GetControlById(pid, point) != nullptr)
        TRACE("EnvelopeGraphManager: PID 0x%04X point %d already has a control on the page\n", pid, point);
    proxy->CHfcControl::Create(0, 0, 1, 1, pid);
    proxy->SetUserValue(point);
    proxy->Enable(false);
    proxy->Hide(true);
    m_pPage->AddControl(proxy, false);
    m_pPage->LinkControlWithParam(proxy, m_pPage->GetTargetMode(), pid);
    m_pPage->SynchronizeControlWithParam(proxy, true);
}

int EnvelopeGraphManager::PointOf(const std::vector<int>& list, int pid, const CHfcControl* control) {
    const int sub = control != nullptr ? control->GetUserValue() : -1;
    if (sub >= 0 && sub < static_cast<int>(list.size()) && list[static_cast<size_t>(sub)] == pid) return sub;
    const auto it = std::find(list.begin(), list.end(), pid);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// The point comes from the PID's place in the lists (for a proxy, its sub-id), so that another control
// of the page linked to the same parameter moves the same point.
bool EnvelopeGraphManager::ParamToControl(CHfcControl* control, int pid) {
    if (m_pGraph == nullptr || control == nullptr || pid == -1) return false;
    const int levelPoint = PointOf(m_levelPids, pid, control);
    const int timePoint = PointOf(m_timePids, pid, control);
    if (levelPoint < 0 && timePoint < 0) return false;
    const int value = control->GetIntValue();
    tagEnvelopeValue point{};
    if (levelPoint >= 0 && m_pGraph->GetEnvelopeValue(&point, levelPoint)) {
        point.level = Saturated(m_pGraph->IsSignedLevel() ? int64_t{value} + 99 : int64_t{value} * 2);
        m_pGraph->SetEnvelopeValue(levelPoint, &point, true);
        // The sustain level holds for both points 3 and 4.
        tagEnvelopeValue next{};
        if (levelPoint == 3 && m_pGraph->GetEnvelopeValue(&next, 4)) {
            next.level = point.level;
            m_pGraph->SetEnvelopeValue(4, &next, true);
        }
    }
    if (timePoint >= 0 && m_pGraph->GetEnvelopeValue(&point, timePoint)) {
        point.time = Saturated(int64_t{value} * 2);
        m_pGraph->SetEnvelopeValue(timePoint, &point, true);
    }
    return true;
}

// A press, a release and every move of a drag report the whole point: only a level or time that
// changes is written, so only changes go to the instrument.
void EnvelopeGraphManager::WriteIfChanged(int pid, int value) {
    const int mode = m_pPage->GetTargetMode();
    QorX0::PARAMDESC desc{};
    if (m_pPage->GetParamDesc(&desc, mode, pid))
        value = std::clamp(value, desc.minval, std::max(desc.minval, desc.maxval));
    if (m_pPage->GetParamValue(mode, pid) != value) m_pPage->PutParamValue(mode, pid, value);
}

bool EnvelopeGraphManager::ControlToParam(CHfcControl* control, const tagEnvelopeValue* value) {
    if (m_pGraph == nullptr || value == nullptr || control != static_cast<CHfcControl*>(m_pGraph))
        return false;
    if (value->index < 0 || value->index >= kPoints || m_pPage == nullptr) return false;
    const int levelPid = m_levelPids[static_cast<size_t>(value->index)];
    const int timePid = m_timePids[static_cast<size_t>(value->index)];
    if (levelPid != -1) {
        const int level =
            m_pGraph->IsSignedLevel() ? Saturated(int64_t{value->level} - 99) : HalfDown(value->level);
        WriteIfChanged(levelPid, level);
    }
    if (timePid != -1) WriteIfChanged(timePid, HalfDown(value->time));
    return levelPid != -1 || timePid != -1;
}
