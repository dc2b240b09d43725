#pragma once
// EnvelopeGraphManager: binds one envelope graph on a page to up to six level and six time
// parameters. The instrument keeps each level and time as a parameter of its own, so the manager
// makes one hidden 1 x 1 proxy control per parameter, linked like any other control of the page:
// the page's synchronisation then tells the manager of every change (ParamToControl), which moves
// the graph's point, and a dragged point comes back through the page (ControlToParam), which writes
// the parameters. The graph holds signed levels as value + 99 (0..198 for -99..+99) and unsigned
// ones and every time as value x 2.
#include <vector>

class CHfcControl;
class CTabPageLayer;
class CXBCtrlEnvelopeGraph;
struct tagEnvelopeValue;

class EnvelopeGraphManager {
public:
    static constexpr int kPoints = 6;

    // Registers itself with page, which owns it from then on, and makes, links and synchronises a
    // proxy for every PID other than -1 (levels of points 0 to 5 first, then times), so that the
    // graph shows the parameters at once. A proxy's id is its PID and its sub-id its point.
    EnvelopeGraphManager(CTabPageLayer* page, CXBCtrlEnvelopeGraph* graph, const int levelPids[kPoints],
                         const int timePids[kPoints]);
    virtual ~EnvelopeGraphManager();
    EnvelopeGraphManager(const EnvelopeGraphManager&) = delete;
    EnvelopeGraphManager& operator=(const EnvelopeGraphManager&) = delete;

    // A control linked to pid was synchronised: when pid is one of this manager's, its point takes the
    // control's value (a level of point 3 also moves point 4) and true is returned.
    bool ParamToControl(CHfcControl* control, int pid);
    // The graph reported a point: its level and time parameters (those not -1) are written, level - 99
    // (signed) or level / 2, and time / 2, rounded down, each only when its value changes. True when
    // the point has a parameter (the record was this manager's); false for another control.
    bool ControlToParam(CHfcControl* control, const tagEnvelopeValue* value);

    CXBCtrlEnvelopeGraph* GetGraph() const { return m_pGraph; }
    const std::vector<int>& GetLevelPids() const { return m_levelPids; }
    const std::vector<int>& GetTimePids() const { return m_timePids; }

private:
    // The point pid stands for in list (the proxy's own point when it names one): -1 when none.
    static int PointOf(const std::vector<int>& list, int pid, const CHfcControl* control);
    void MakeProxy(int pid, int point);
    void WriteIfChanged(int pid, int value);

    CTabPageLayer* m_pPage;
    CXBCtrlEnvelopeGraph* m_pGraph;
    std::vector<int> m_levelPids;
    std::vector<int> m_timePids;
};
