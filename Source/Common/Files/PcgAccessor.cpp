#include "Common/Files/PcgAccessor.h"

#include <algorithm>
#include <cstring>

#include "Common/Files/PcgContainer.h"
#include "Common/Model/SynthData.h"

namespace QorX0 {

CAbstractQorxxAccessor::CAbstractQorxxAccessor(unsigned modelIndex) : m_modelIndex(modelIndex) {
    if (modelIndex > 1) PcgThrow(kPcgErrModelOrKind);
}

int CAbstractQorxxAccessor::numberOfPCMProgramBank() const {
    return m_modelIndex == 0 ? 4 : m_modelIndex == 1 ? 5 : 0;
}
int CAbstractQorxxAccessor::numberOfPCMProgram() const {
    return numberOfPCMProgramBank() * static_cast<int>(kSoundsPerBank);
}
int CAbstractQorxxAccessor::numberOfCombinationBank() const {
    return m_modelIndex <= 1 ? static_cast<int>(kCombiBankCount) : 0;
}
int CAbstractQorxxAccessor::numberOfCombination() const {
    return numberOfCombinationBank() * static_cast<int>(kSoundsPerBank);
}
int CAbstractQorxxAccessor::numberOfDrumKit() const {
    return m_modelIndex <= 1 ? static_cast<int>(kAreaDrumKits.count) : 0;
}
int CAbstractQorxxAccessor::numberOfArpeggio() const {
    return m_modelIndex <= 1 ? static_cast<int>(kAreaArpPatterns.count) : 0;
}

static_assert(kSizeProgram == kQorxxProgramSize && kSizeCombi == kQorxxCombiSize);
static_assert(kSizeDrumKit == kDrumKitSize && kSizeArpPattern == kArpeggioSize);
static_assert(kSizeGlobal == kGlobalSharedSize + kGlobalAuxSize);

CQorxxBufferAccessor::CQorxxBufferAccessor(unsigned modelIndex, unsigned char* image)
    : CAbstractQorxxAccessor(modelIndex), m_image(image) {}

void CQorxxBufferAccessor::write(unsigned char* to, const unsigned char* from, size_t size) {
    std::memcpy(to, from, size);
}

unsigned char* CQorxxBufferAccessor::record(const CPcgRecord& storage, unsigned expectedSize,
                                            unsigned areaOffset, int index, int areaCount,
                                            int modelCount) const {
    if (storage.getSize() != expectedSize) PcgThrow(kPcgErrStorageSize);
    if (!m_image || index < 0 || index >= std::min(areaCount, modelCount)) return nullptr;
    return m_image + areaOffset + static_cast<size_t>(index) * expectedSize;
}

namespace {
int Count(const AREADESC& area) {
    return static_cast<int>(area.count);
}
}  // namespace

void CQorxxBufferAccessor::set(const CQorxxPcmProgramStorage& s, int i) {
    if (auto* p =
            record(s, kSizeProgram, kAreaPrograms.offset, i, Count(kAreaPrograms), numberOfPCMProgram()))
        write(p, s.getBuffer(), kSizeProgram);
}
void CQorxxBufferAccessor::get(CQorxxPcmProgramStorage& s, int i) {
    if (auto* p =
            record(s, kSizeProgram, kAreaPrograms.offset, i, Count(kAreaPrograms), numberOfPCMProgram()))
        std::memcpy(s.getBuffer(), p, kSizeProgram);
}
void CQorxxBufferAccessor::set(const CQorxxCombinationStorage& s, int i) {
    if (auto* p = record(s, kSizeCombi, kAreaCombis.offset, i, Count(kAreaCombis), numberOfCombination()))
        write(p, s.getBuffer(), kSizeCombi);
}
void CQorxxBufferAccessor::get(CQorxxCombinationStorage& s, int i) {
    if (auto* p = record(s, kSizeCombi, kAreaCombis.offset, i, Count(kAreaCombis), numberOfCombination()))
        std::memcpy(s.getBuffer(), p, kSizeCombi);
}
void CQorxxBufferAccessor::set(const CDrumKitStorage& s, int i) {
    if (auto* p = record(s, kSizeDrumKit, kAreaDrumKits.offset, i, Count(kAreaDrumKits), numberOfDrumKit()))
        write(p, s.getBuffer(), kSizeDrumKit);
}
void CQorxxBufferAccessor::get(CDrumKitStorage& s, int i) {
    if (auto* p = record(s, kSizeDrumKit, kAreaDrumKits.offset, i, Count(kAreaDrumKits), numberOfDrumKit()))
        std::memcpy(s.getBuffer(), p, kSizeDrumKit);
}
void CQorxxBufferAccessor::set(const CArpeggioStorage& s, int i) {
    if (auto* p = record(s, kSizeArpPattern, kAreaArpPatterns.offset, i, Count(kAreaArpPatterns),
                         numberOfArpeggio()))
        write(p, s.getBuffer(), kSizeArpPattern);
}
void CQorxxBufferAccessor::get(CArpeggioStorage& s, int i) {
    if (auto* p = record(s, kSizeArpPattern, kAreaArpPatterns.offset, i, Count(kAreaArpPatterns),
                         numberOfArpeggio()))
        std::memcpy(s.getBuffer(), p, kSizeArpPattern);
}

// The PCG form keeps the image's bytes 840..849 at 846..855; its bytes 840..845 have no place here.
void CQorxxBufferAccessor::set(const CQorxxGlobalStorage& s) {
    if (auto* p = record(s, kQorxxGlobalPcgSize, kAreaGlobal.offset, 0, 1, 1)) {
        write(p, s.getBuffer(), kGlobalSharedSize);
        write(p + kGlobalSharedSize, s.getBuffer() + kGlobalAuxOffset, kGlobalAuxSize);
    }
}
void CQorxxBufferAccessor::get(CQorxxGlobalStorage& s) {
    if (auto* p = record(s, kQorxxGlobalPcgSize, kAreaGlobal.offset, 0, 1, 1)) {
        std::memcpy(s.getBuffer(), p, kGlobalSharedSize);
        std::memcpy(s.getBuffer() + kGlobalAuxOffset, p + kGlobalSharedSize, kGlobalAuxSize);
    }
}

}  // namespace QorX0
