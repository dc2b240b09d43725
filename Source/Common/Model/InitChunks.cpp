// Initial records of every kind and InitAllChunk. Each record is built once, on first use, from the
// rows of its tables (every row's default through its accessor), then the initial values that
// differ, then the bytes no row covers and the record's name.
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "Common/Model/InitChunks.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/InitialValues.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

namespace QorX0 {

namespace {

// One table laid over a record count times, stride bytes apart, from base.
struct TableUse {
    const TABLEDESC* table;
    unsigned base, count, stride, size;
    std::vector<const INITVALUES*> values;
};

std::set<const INITVALUE*>& Resolved() {
    static std::set<const INITVALUE*> resolved;
    return resolved;
}

int Lower(const char* text) {
    return tolower(static_cast<unsigned char>(*text));
}

// A row that may take an initial value: its long name, the caption above it and the name's first
// letter in lower case.
struct NamedRow {
    const PARAMDESC* row;
    const char* caption;
    const char* name;
    int first;
};

// An initial value's key: a row's long name, or "CAPTION/NAME" (row names may themselves hold a
// slash, "FOOT PEDAL/SW FILTER": the whole key is tried first).
struct RowKey {
    explicit RowKey(const char* key) : whole(key), wholeFirst(Lower(key)) {
        const char* slash = strchr(key, '/');
        captionSize = slash ? static_cast<size_t>(slash - key) : 0;
        name = slash ? slash + 1 : nullptr;
        nameFirst = slash ? Lower(name) : -1;
    }
    bool Matches(const NamedRow& r) const {
        // Most rows differ in their first letter: no comparison of the rest.
        if (r.first != wholeFirst && r.first != nameFirst) return false;
        if (strcasecmp(whole, r.name) == 0) return true;
        return name && strcasecmp(name, r.name) == 0 && strlen(r.caption) == captionSize &&
               strncasecmp(whole, r.caption, captionSize) == 0;
    }
    const char* whole;
    int wholeFirst;
    size_t captionSize;
    const char* name;  // after the slash, or null
    int nameFirst;
};

// A row an initial value names, and the value (kInitSubIndex: the sub-record's number). A list row
// takes the stored value itself, not a position in its list.
struct RowValue {
    RowValue(const PARAMDESC& r, int v)
        : row(&r),
          value(v),
          plain(RowAccessorI(r)),
          mapped(dynamic_cast<const IAccessorMapped*>(r.accessor)) {}
    void Put(uint8_t* record, int v) const {
        if (mapped)
            mapped->PutPlain(record, row->offset, v);
        else if (plain)
            plain->Put(record, row->offset, v);
    }
    const PARAMDESC* row;
    int value;
    const IAccessorI* plain;
    const IAccessorMapped* mapped;
};

// The rows the use's initial values name, in the order they are written: a value names the rows whose
// long name (or caption/name) is its key, all of them or the one of its occurrence.
std::vector<RowValue> NamedRows(const CParamTable& table, const TableUse& use) {
    std::vector<NamedRow> rows;
    rows.reserve(table.GetCount());
    const char* caption = "";
    for (unsigned i = 0; i < table.GetCount(); ++i) {
        const PARAMDESC& row = *table.GetAt(i);
        const char* name = row.name ? row.name : "";
        if (row.ptype == kPTypeCaption)
            caption = name;
        else
            rows.push_back({&row, caption, name, Lower(name)});
    }
    std::vector<RowValue> named;
    for (const INITVALUES* list : use.values) {
        for (unsigned n = 0; n < list->count; ++n) {
            const INITVALUE& v = list->values[n];
            const RowKey key(v.row);
            int seen = 0;
            for (const NamedRow& r : rows) {
                if (!key.Matches(r)) continue;
                if (v.occurrence < 0 || v.occurrence == seen) {
                    named.emplace_back(*r.row, v.value);
                    Resolved().insert(&v);
                }
                ++seen;
            }
        }
    }
    return named;
}

void Apply(uint8_t* record, const TableUse& use) {
    // Bound for the Nerimo: its lists are a superset of the Tolva's.
    const CParamTable* table = CParamTable::GetInstance(*use.table, kPmidNerimo, use.size);
    const std::vector<RowValue> named = NamedRows(*table, use);
    for (unsigned k = 0; k < use.count; ++k) {
        uint8_t* sub = record + use.base + k * use.stride;
        for (unsigned i = 0; i < table->GetCount(); ++i) {
            const PARAMDESC& row = *table->GetAt(i);
            if (const IAccessorI* a = RowAccessorI(row)) a->Put(sub, row.offset, row.defval);
        }
        for (const RowValue& r : named) r.Put(sub, r.value == kInitSubIndex ? static_cast<int>(k) : r.value);
    }
}

void PutName(uint8_t* record, const char* name) {
    size_t n = strnlen(name, kSizeName);
    memset(record, ' ', kSizeName);
    memcpy(record, name, n);
}

// The tables that describe each record. The sound records are composed of the edit tables and their
// sub-records; the play views address the same bytes (or a local record) and are not used here.
std::vector<TableUse> GlobalUses() {
    return {{&TABLEDESC_GLOBAL, 0, 1, 0, kSizeGlobal, {&g_InitGlobal}}};
}

std::vector<TableUse> ProgramUses() {
    return {{&TABLEDESC_PROGEDIT, 0, 1, 0, kSizeProgram, {&g_InitProgram}}};
}

std::vector<TableUse> CombiUses() {
    return {{&TABLEDESC_COMBIEDIT, 0, 1, 0, kSizeCombi, {&g_InitSoundCommon}},
            {&TABLEDESC_COMBIEDITTRK,
             kCombiOffTimbres,
             kCombiTimbreCount,
             kSizeTimbre,
             kSizeTimbre,
             {&g_InitTimbre}},
            {&TABLEDESC_TONEADJ,
             kCombiOffToneAdjust,
             kCombiTimbreCount,
             kSizeToneAdjust,
             kSizeToneAdjust,
             {&g_InitToneAdjust}}};
}

std::vector<TableUse> MultiUses() {
    return {{&TABLEDESC_MULTI, 0, 1, 0, kSizeMulti, {&g_InitSoundCommon}},
            {&TABLEDESC_MULTITRK,
             kMultiOffTracks,
             kMultiTrackCount,
             kSizeTimbre,
             kSizeTimbre,
             {&g_InitTimbre, &g_InitMultiTrack}},
            {&TABLEDESC_TONEADJ,
             kMultiOffToneAdjust,
             kMultiTrackCount,
             kSizeToneAdjust,
             kSizeToneAdjust,
             {&g_InitToneAdjust}}};
}

// Each effect block (insert, master 1, master 2) starts as the initial block of the effect type
// its type row holds.
void FillEffectBlocks(uint8_t* record, const TABLEDESC& table, unsigned size, const int (&typePids)[3]) {
    const CParamTable* t = CParamTable::GetInstance(table, kPmidNerimo, size);
    const unsigned offsets[3] = {kProgOffInsertFx, kProgOffMasterFx1, kProgOffMasterFx2};
    for (int i = 0; i < 3; ++i) {
        const PARAMDESC* row = t->FindPID(typePids[i]);
        const IAccessorI* a = row ? RowAccessorI(*row) : nullptr;
        unsigned type = a ? static_cast<unsigned>(std::max(0, a->Get(record, row->offset))) : 0;
        if (type >= kFxTypeCount) type = kFxTypeCount - 1;
        memcpy(record + offsets[i], VINITCHUNK_FX[type], kSizeFxParams);
    }
}

struct InitRecords {
    uint8_t global[kSizeGlobal] = {};
    uint8_t drumkit[kSizeDrumKit] = {};
    uint8_t arppattern[kSizeArpPattern] = {};
    uint8_t extcontrol[kSizeExtControl] = {};
    uint8_t prog[kSizeProgram] = {};
    uint8_t combi[kSizeCombi] = {};
    uint8_t multi[kSizeMulti] = {};
    uint8_t setup[kSizeSetup] = {};

    InitRecords() {
        for (const TableUse& use : GlobalUses()) Apply(global, use);
        for (const INITBYTE& b : g_InitGlobalBytes) global[b.offset] = b.value;
        for (unsigned i = 0; i < 16; ++i) {
            PutName(global + kGlobalOffProgCategoryNames + i * kSizeName, g_InitProgCategoryNames[i]);
            PutName(global + kGlobalOffCombiCategoryNames + i * kSizeName, g_InitCombiCategoryNames[i]);
        }

        Apply(drumkit, {&TABLEDESC_DRUMKIT, 0, 1, 0, kSizeDrumKit, {&g_InitDrumKit}});
        PutName(drumkit, "Drumkit00");
        Apply(arppattern, {&TABLEDESC_ARPPATTERN, 0, 1, 0, kSizeArpPattern, {&g_InitArpPattern}});
        PutName(arppattern, "ArpeggioPat000");
        Apply(extcontrol, {&TABLEDESC_EXTCONTROL, 0, 1, 0, kSizeExtControl, {&g_InitExtControl}});
        PutName(extcontrol, "ExternalSet000");

        for (const TableUse& use : ProgramUses()) Apply(prog, use);
        FillEffectBlocks(prog, TABLEDESC_PROGEDIT, kSizeProgram, {0x1E00, 0x2000, 0x2001});
        PutName(prog, "InitlProgramA000");
        for (const TableUse& use : CombiUses()) Apply(combi, use);
        FillEffectBlocks(combi, TABLEDESC_COMBIEDIT, kSizeCombi, {0x0C00, 0x0E00, 0x0E01});
        PutName(combi, "InitialCombiA000");
        for (const TableUse& use : MultiUses()) Apply(multi, use);
        FillEffectBlocks(multi, TABLEDESC_MULTI, kSizeMulti, {0x2500, 0x2700, 0x2701});
        PutName(multi, "InitialMulti000");
        for (unsigned t = 0; t < kMultiTrackCount; ++t)
            PutName(multi + kMultiOffTrackNames + t * kSizeName, formatstring("Track %02u", t + 1).c_str());

        // Setup: bytes 18-81 spaces (blank port names), 82-95 zero, then the rows.
        memset(setup + 18, ' ', 82 - 18);
        Apply(setup, {&TABLEDESC_SETUP, 0, 1, 0, kSizeSetup, {&g_InitSetup}});
    }
};

const InitRecords& Records() {
    static const InitRecords records;
    return records;
}

}  // namespace

const uint8_t* InitRecord::data() const {
    const InitRecords& r = Records();
    const uint8_t* const records[] = {r.global, r.drumkit, r.arppattern, r.extcontrol,
                                      r.prog,   r.combi,   r.multi,      r.setup};
    return m_kind < std::size(records) ? records[m_kind] : nullptr;
}

std::vector<const INITVALUE*> UnresolvedInitValues() {
    Records();
    std::vector<const INITVALUE*> missing;
    for (const INITVALUES* list :
         {&g_InitGlobal, &g_InitDrumKit, &g_InitArpPattern, &g_InitExtControl, &g_InitSetup, &g_InitProgram,
          &g_InitSoundCommon, &g_InitTimbre, &g_InitMultiTrack, &g_InitToneAdjust}) {
        for (unsigned n = 0; n < list->count; ++n)
            if (!Resolved().count(&list->values[n])) missing.push_back(&list->values[n]);
    }
    return missing;
}

void InitAllChunk(CHUNK_REMOTESYNTH* image) {
    const InitRecords& r = Records();
    memcpy(image->global, r.global, kSizeGlobal);
    for (auto& kit : image->drumkit) memcpy(kit, r.drumkit, kSizeDrumKit);
    for (auto& pattern : image->arppattern) memcpy(pattern, r.arppattern, kSizeArpPattern);
    // Every set gets the name and zeroes (the initial external-control record is not used here).
    for (auto& set : image->extcontrol) {
        memcpy(set, "ExternalSet000  ", kSizeName);
        memset(set + kSizeName, 0, kSizeExtControl - kSizeName);
    }
    for (auto& bank : image->program)
        for (auto& prog : bank) memcpy(prog, r.prog, kSizeProgram);
    for (auto& bank : image->combi)
        for (auto& combi : bank) memcpy(combi, r.combi, kSizeCombi);
    for (auto& multi : image->multi) memcpy(multi, r.multi, kSizeMulti);
    memcpy(image->curprogram, r.prog, kSizeProgram);
    memcpy(image->curcombi, r.combi, kSizeCombi);
    memcpy(image->curmulti, r.multi, kSizeMulti);
    memset(image->Bytes() + kAreaTail.offset, 0, kAreaTail.Size());
}

}  // namespace QorX0
