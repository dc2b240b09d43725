#include "Common/Pages/GlobalPageLayerBase.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace QorX0;

namespace {

// Where the dump switch sits on a page.
constexpr int kDumpSwitchX = 495, kDumpSwitchY = 381;

// Row geometry: a check box's label right of the box, every other label left of its control.
constexpr int kCheckBoxLabelDx = 19, kCheckBoxLabelWidth = 80;
constexpr int kLabelWidth = 50, kControlDx = 54, kEditWidth = 96, kEditHeight = 13;
constexpr int kDropdownLook = 2;

const char* const kPitchNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

struct NoteNames {
    char names[128][6];
    NoteNames() {
        for (int n = 0; n < 128; ++n)
            std::snprintf(names[n], sizeof names[n], "%s%d", kPitchNames[n % 12], n / 12 - 1);
    }
};

}  // namespace

GlobalPageLayerBase::GlobalPageLayerBase(IRemoteSynth* synth, int dumpSwitchId)
    : EditTabPageLayerBase(synth, kModeGlobal),
      m_bHasDumpSwitch(dumpSwitchId != -1),
      m_iDumpSwitchId(dumpSwitchId) {}

GlobalPageLayerBase::~GlobalPageLayerBase() = default;

const char* GlobalPageLayerBase::NoteName(int note) {
    static const NoteNames table;
    return note >= 0 && note < 128 ? table.names[note] : "";
}

void GlobalPageLayerBase::AddLocalControl(CHfcControl* control) {
    if (control == nullptr) return;
    AddControl(control, false);
    control->SetListener(this);
    control->Show(false);
}

void GlobalPageLayerBase::AddLinkedControl(CHfcControl* control, int kind, int pid) {
    if (control == nullptr) return;
    AddLocalControl(control);
    LinkControlWithParam(control, kind, pid);
    SynchronizeControlWithParam(control, true);
}

QnStaticText* GlobalPageLayerBase::AddPageLabel(QnControlCreater& creater, int x, int y, const char* text,
                                                int width, bool category, int id) {
    QnStaticText* label = creater.CreateLabel(x, y, text, width, 0, category, 0, 0, id);
    if (label == nullptr) return nullptr;
    AddControl(label, false);
    label->Show(false);
    return label;
}

QnControlContainer* GlobalPageLayerBase::AddImageContainer(const char* imageName, int x, int y) {
    auto* container = new QnControlContainer(false);
    container->m_pOwner = this;
    container->m_x = x;
    container->m_y = y;
    container->m_pBackground = QnControlCreater::LoadImage(imageName);
    if (container->m_pBackground != nullptr) {
        container->m_width = container->m_pBackground->GetWidth();
        container->m_height = container->m_pBackground->GetHeight();
    }
    AddContainer(container);
    return container;
}

QnControlContainer* GlobalPageLayerBase::AddFilledContainer(const char* sizeImageName, int x, int y,
                                                            int width, uint32_t colour, CHfcBmp** fill) {
    CHfcBmp* size = QnControlCreater::LoadImage(sizeImageName);
    auto* container = new QnControlContainer(false);
    container->m_pOwner = this;
    container->m_x = x;
    container->m_y = y;
    container->m_width = width > 0 ? width : (size ? size->GetWidth() : 0);
    container->m_height = size ? size->GetHeight() : 0;
    container->m_uBackColor = colour;
    AddContainer(container);
    if (fill != nullptr) {
        *fill = nullptr;
        if (container->m_width > 0 && container->m_height > 0) {
            auto plain = std::make_unique<CHfcOffscreenContext>(container->m_width, container->m_height);
            plain->SetBrushColor(colour);
            plain->FillRect(0, 0, container->m_width, container->m_height);
            *fill = plain->GetBmp();
            m_fills.push_back(std::move(plain));
        }
    }
    return container;
}

bool GlobalPageLayerBase::ParseTypedInt(const void* text, int* value) {
    if (text == nullptr) return false;
    const char* s = static_cast<const char*>(text);
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(s, &end, 10);
    if (end == s) return false;
    if (errno == ERANGE || v > INT_MAX || v < INT_MIN) {
        *value = v < 0 ? INT_MIN : INT_MAX;
        return true;
    }
    *value = static_cast<int>(v);
    return true;
}

void GlobalPageLayerBase::ShowFieldValue(CHfcControl* field, int value, const char* text) {
    if (field == nullptr) return;
    field->SetIntValue(value, true);
    field->SetPtrValue(const_cast<char*>(text), true);
}

void GlobalPageLayerBase::CreateControls(const SCtrlinfo* rows, int count, int x, int y) {
    QnControlCreater creater(GetBackground(), 0, 0);
    for (int i = 0; rows != nullptr && i < count; ++i) {
        const SCtrlinfo& row = rows[i];
        const int rowY = y + kRowHeight * i;
        if (row.type == kRowNone) continue;
        const int kind = row.kind == 0 ? GetTargetMode() : row.kind;
        const int id = RowControlId(kind, row.pid);
        if (row.type == kRowCheckBox)
            AddPageLabel(creater, x + kCheckBoxLabelDx, rowY, row.label, kCheckBoxLabelWidth, false);
        else
            AddPageLabel(creater, x, rowY, row.label, kLabelWidth, false);
        CHfcControl* control = nullptr;
        switch (row.type) {
            case kRowCheckBox:
                control = creater.CreateCehckBox(x, rowY, id);
                break;
            case kRowTextEdit:
                control = creater.CreateTextEdit(x + kControlDx, rowY, kEditWidth, kEditHeight, id);
                break;
            case kRowValueBar:
                control = creater.CreateHorizontalValueBar(x + kControlDx, rowY, 0, 100, 0, id);
                break;
            case kRowDropdown:
                control = creater.CreateDropdownList(x + kControlDx, rowY, kDropdownLook, id);
                break;
            default:
                break;
        }
        AddLinkedControl(control, kind, row.pid);
    }
}

void GlobalPageLayerBase::CreateDumpSwitch() {
    CHfcBmp* strip = QnControlCreater::LoadImage("Switch_GlobalDump");
    if (strip == nullptr) return;
    // One state with its pressed face below it.
    tagHfcCtrlSwitchParamEx param;
    param.x = kDumpSwitchX;
    param.y = kDumpSwitchY;
    param.bitmap = strip;
    param.background = GetBackground();
    param.backgroundX = kDumpSwitchX;
    param.backgroundY = kDumpSwitchY;
    param.states = 1;
    param.oneFramePerState = 0;
    AddLocal(QnControlCreater::CreateOrNone<CHfcCtrlSwitch>(
        [&](CHfcCtrlSwitch& c) { return c.CreateEx(&param, m_iDumpSwitchId, 0); }));
}

bool GlobalPageLayerBase::OnCreate() {
    if (m_bHasDumpSwitch) CreateDumpSwitch();
    return CTabPageLayer::OnCreate();
}

void GlobalPageLayerBase::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (m_bHasDumpSwitch && control != nullptr && control->GetId() == m_iDumpSwitchId) {
        if (value >= 0) return;
        const int answer = HfcMessageBoxForWindow(kStrGlobalDumpMessage, " ", GetWindow(), HFC_MB_OKCANCEL,
                                                  HFC_MB_ICONDEFAULT);
        if (answer == HFC_MB_RESULT_DEFAULT && GetSynth() != nullptr)
            GetSynth()->ExecCommand(kDumpGlobalCommand, 0, 0, 0, 0);
        // The box may have taken the release: the switch must not stay pressed.
        control->SetIntValue(0, true);
    }
    QnSynthLayer::OnHfcCtrlIntValueChanged(control, value);
}
