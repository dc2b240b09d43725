#pragma once
// Fixed data of the PCG engine: the sample conversion tables and the initial Osvara blocks. The
// converters take a PcgConversionTables so that tests can hand in tables of their own.
#include <cstddef>
#include <cstdint>
#include <span>

namespace QorX0 {

// One row of a sample conversion table: a (bank, number) pair of the source and its counterpart.
struct PCGCONVROW {
    uint16_t srcBank;
    uint16_t srcNumber;
    uint16_t dstBank;
    uint16_t dstNumber;
};

// Sizes of the initial Osvara blocks of a fresh ']' program and combination.
constexpr size_t kOsvaraProgramInitSize = 276;
constexpr size_t kOsvaraCombiInitSize = 570;

struct PcgConversionTables {
    // Import: [source family: 0 'P' and ']', 1 'c'][model index].
    std::span<const PCGCONVROW> importMultisample[2][2];
    std::span<const PCGCONVROW> importDrumsample[2][2];
    // Export: [model index][destination family: 0 'P' and ']', 1 'c'].
    std::span<const PCGCONVROW> exportMultisample[2][2];
    std::span<const PCGCONVROW> exportDrumsample[2][2];
    std::span<const unsigned char> osvaraProgramInit;  // kOsvaraProgramInitSize bytes
    std::span<const unsigned char> osvaraCombiInit;    // kOsvaraCombiInitSize bytes
};

// The tables built into the product.
const PcgConversionTables& PcgDefaultTables();

namespace PcgMultisample {
extern const PCGCONVROW convTable_FenntoQor30[425];
extern const PCGCONVROW convTable_FenntoQor40[425];
extern const PCGCONVROW convTable_RusktoQor30[470];
extern const PCGCONVROW convTable_RusktoQor40[470];
extern const PCGCONVROW convTable_Qor30toFenn[470];
extern const PCGCONVROW convTable_Qor40toFenn[642];
extern const PCGCONVROW convTable_Qor30toRusk[470];
extern const PCGCONVROW convTable_Qor40toRusk[642];
}  // namespace PcgMultisample

namespace PcgDrumsample {
extern const PCGCONVROW convTable_FenntoQor30[417];
extern const PCGCONVROW convTable_FenntoQor40[417];
extern const PCGCONVROW convTable_RusktoQor30[518];
extern const PCGCONVROW convTable_RusktoQor40[518];
extern const PCGCONVROW convTable_Qor30toFenn[518];
extern const PCGCONVROW convTable_Qor40toFenn[921];
extern const PCGCONVROW convTable_Qor30toRusk[518];
extern const PCGCONVROW convTable_Qor40toRusk[923];
}  // namespace PcgDrumsample

namespace PcgOsvaraProgram {
extern const unsigned char sOsvaraInit[kOsvaraProgramInitSize];
}
namespace PcgOsvaraCombi {
extern const unsigned char sOsvaraInit[kOsvaraCombiInitSize];
}

}  // namespace QorX0
