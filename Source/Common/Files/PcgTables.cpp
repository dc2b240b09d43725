#include "Common/Files/PcgTables.h"

#include <iterator>

#include "Common/Model/Tables/SampleNames.h"

namespace QorX0 {

// The export tables hold one row per sample of this model (a few Nerimo drum samples have no
// counterpart and no row), the import tables one row per sample of the older family.
static_assert(std::size(PcgMultisample::convTable_Qor30toFenn) == kMultisampleCountTolva);
static_assert(std::size(PcgMultisample::convTable_Qor40toFenn) == kMultisampleCountNerimo);
static_assert(std::size(PcgMultisample::convTable_Qor30toRusk) == kMultisampleCountTolva);
static_assert(std::size(PcgMultisample::convTable_Qor40toRusk) == kMultisampleCountNerimo);
static_assert(std::size(PcgDrumsample::convTable_Qor30toFenn) == kDrumSampleCountTolva);
static_assert(std::size(PcgDrumsample::convTable_Qor30toRusk) == kDrumSampleCountTolva);
static_assert(std::size(PcgDrumsample::convTable_Qor40toFenn) <= kDrumSampleCountNerimo);
static_assert(std::size(PcgDrumsample::convTable_Qor40toRusk) <= kDrumSampleCountNerimo);

const PcgConversionTables& PcgDefaultTables() {
    namespace M = PcgMultisample;
    namespace D = PcgDrumsample;
    static const PcgConversionTables tables = {
        {{M::convTable_FenntoQor30, M::convTable_FenntoQor40},
         {M::convTable_RusktoQor30, M::convTable_RusktoQor40}},
        {{D::convTable_FenntoQor30, D::convTable_FenntoQor40},
         {D::convTable_RusktoQor30, D::convTable_RusktoQor40}},
        {{M::convTable_Qor30toFenn, M::convTable_Qor30toRusk},
         {M::convTable_Qor40toFenn, M::convTable_Qor40toRusk}},
        {{D::convTable_Qor30toFenn, D::convTable_Qor30toRusk},
         {D::convTable_Qor40toFenn, D::convTable_Qor40toRusk}},
        PcgOsvaraProgram::sOsvaraInit,
        PcgOsvaraCombi::sOsvaraInit,
    };
    return tables;
}

}  // namespace QorX0
