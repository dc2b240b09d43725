// Setup section: protection of the filter rows, the transfer filter and the preferences.
#include "Common/Model/SetupSection.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/Tables/SmallTables.h"
#include "Hfc/Base/HfcPreferences.h"

namespace QorX0 {

namespace {
constexpr int kPidProgSw = 0x8200, kPidProgBank = 0x8300, kPidProgNum = 0x8400, kPidCombiSw = 0x8500,
              kPidCombiBank = 0x8600, kPidCombiNum = 0x8700, kPidMultiSw = 0x8800, kPidMultiNum = 0x8900,
              kPidKitSw = 0x8A00, kPidKitNum = 0x8B00, kPidArpSw = 0x8C00, kPidArpNum = 0x8D00,
              kPidGlobalSw = 0x8E00;

// Each bank or number row and the kind switch that enables it.
const int kFilterRows[][2] = {
    {kPidProgBank, kPidProgSw},  {kPidProgNum, kPidProgSw},   {kPidCombiBank, kPidCombiSw},
    {kPidCombiNum, kPidCombiSw}, {kPidMultiNum, kPidMultiSw}, {kPidKitNum, kPidKitSw},
    {kPidArpNum, kPidArpSw},
};
const int kKindSwitches[] = {kPidProgSw, kPidCombiSw, kPidMultiSw, kPidKitSw, kPidArpSw, kPidGlobalSw};
}  // namespace

void CSetupSectionImpl::Init(IHostProxy* host, void* record) {
    CSectionImplBaseT::Init(host, TABLEDESC_SETUP, -1, 0, record, kSizeSetup, INITCHUNK_SETUP);
}

bool CSetupSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    const int pid = out->pid;
    if (pid == kPidNone) return true;
    const bool all = ReadValue(kPidAllSw) != 0;
    if (std::find(std::begin(kKindSwitches), std::end(kKindSwitches), pid) != std::end(kKindSwitches) && all)
        out->flags |= kPFlagProtected;
    for (const auto& r : kFilterRows)
        if (pid == r[0] && (all || ReadValue(r[1]) == 0)) out->flags |= kPFlagProtected;
    return true;
}

void CSetupSectionImpl::OnParamChanged(int pid) {
    switch (pid) {
        case kPidAllSw:
        case kPidProgSw:
        case kPidCombiSw:
        case kPidMultiSw:
        case kPidKitSw:
        case kPidArpSw:
        case kPidMidiInName:
        case kPidMidiOutName:
            FireOnSectionReinitialized();
            break;
        default:
            FireOnSectionParamChanged(pid);
            break;
    }
}

bool CSetupSectionImpl::BuildFilter(FXBFILTERINFO* out) {
    CImageGuard g(Host());
    const bool all = ReadValue(kPidAllSw) != 0;
    auto on = [&](int pid) { return all || ReadValue(pid) != 0; };
    std::memset(out, 0, sizeof *out);
    out->combiBank = static_cast<uint8_t>(ReadValue(kPidCombiBank) - 1);
    out->combiCount = on(kPidCombiSw) ? 128 : 0;
    out->multiBank = 0xFF;
    out->multiCount = on(kPidMultiSw) ? 128 : 0;
    out->progBank = static_cast<uint8_t>(ReadValue(kPidProgBank) - 1);
    out->progCount = on(kPidProgSw) ? 128 : 0;
    out->drumkitCount = on(kPidKitSw) ? 40 : 0;
    out->arpCount = on(kPidArpSw) ? 251 : 0;
    out->extCount = (Host() && Host()->GetPMID() == kPmidNerimo) ? 64 : 0;
    out->global = ReadValue(kPidGlobalSw) != 0 ? 1 : 0;
    return true;
}

namespace {
constexpr unsigned kPrefsStringSize = 33;
}  // namespace

bool CSetupSectionImpl::OpenStore(CHfcPreferences& prefs) {
    const unsigned char pmid = Host() ? Host()->GetPMID() : kPmidTolva;
    return prefs.Open(pmid == kPmidNerimo ? "Nerimo Editor" : "Tolva Editor");
}

bool CSetupSectionImpl::SaveRow(CHfcPreferences& prefs, const PARAMDESC& row) {
    const std::string name = RowLongName(row);
    if (row.ptype == kPTypeString && row.atype == kATypeName32) {
        const IAccessorS* s = RowAccessorS(row);
        if (!s) return false;
        const std::string text = Name32Kept(multiszlong(s->Get(row.record, row.offset)));
        prefs.WriteString(name.c_str(), text.c_str());
        return true;
    }
    if (row.ptype >= kPTypeCont && row.ptype <= kPTypeSwitch) {
        const IAccessorI* a = RowAccessorI(row);
        if (!a) return false;
        prefs.WriteInteger(name.c_str(), a->GetRaw(row.record, row.offset));
        return true;
    }
    return false;
}

// Both report whether the settings reached the disk (a store that could not be written keeps the
// file as it was).
bool CSetupSectionImpl::PersistSave() {
    CHfcPreferences prefs;
    if (!OpenStore(prefs)) return false;
    {
        CImageGuard g(Host());
        PARAMDESC row;
        for (unsigned i = 0; Table() && i < Table()->GetCount(); ++i)
            if (PrepareParamDesc(i, &row)) SaveRow(prefs, row);
    }
    return prefs.Close();
}

bool CSetupSectionImpl::PersistSave(int pid) {
    CHfcPreferences prefs;
    if (!OpenStore(prefs)) return false;
    {
        CImageGuard g(Host());
        PARAMDESC row;
        if (!Desc(pid, &row)) return false;
        SaveRow(prefs, row);
    }
    return prefs.Close();
}

bool CSetupSectionImpl::PersistLoad() {
    CHfcPreferences prefs;
    if (!OpenStore(prefs)) return false;
    {
        CImageGuard g(Host());
        PARAMDESC row;
        for (unsigned i = 0; Table() && i < Table()->GetCount(); ++i) {
            if (!PrepareParamDesc(i, &row)) continue;
            const std::string name = RowLongName(row);
            if (row.ptype == kPTypeString && row.atype == kATypeName32) {
                const IAccessorS* s = RowAccessorS(row);
                if (!s) continue;
                std::string def = multiszlong(s->Get(INITCHUNK_SETUP, row.offset));
                char buffer[kPrefsStringSize] = {};
                prefs.ReadString(name.c_str(), buffer, sizeof buffer, def.c_str());
                s->Put(row.record, row.offset, buffer);
            } else if (row.ptype >= kPTypeCont && row.ptype <= kPTypeSwitch) {
                const IAccessorI* a = RowAccessorI(row);
                if (!a) continue;
                const int def = a->GetRaw(INITCHUNK_SETUP, row.offset);
                int raw = prefs.ReadInteger(name.c_str(), def);
                // A value edited by hand, or kept by another model, is held to what the row can show.
                if (const auto* mapped = dynamic_cast<const IAccessorMapped*>(a)) {
                    const std::vector<int>& values = mapped->Values();
                    if (std::find(values.begin(), values.end(), raw) == values.end()) raw = def;
                } else {
                    raw = std::clamp(raw, std::min(row.minval, row.maxval), row.maxval);
                }
                a->PutRaw(row.record, row.offset, raw);
            }
        }
    }
    FireOnSectionReinitialized();
    return true;
}

}  // namespace QorX0
