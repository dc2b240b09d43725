#pragma once
// How the PCG engine reaches the data image: whole records, by kind and index, through an accessor
// that knows where each record of this model lies and how many of each the model has.
#include <cstddef>

#include "Common/Files/PcgStorage.h"

namespace QorX0 {

class CAbstractQorxxAccessor {
public:
    // Model index 0 is the Tolva, 1 the Nerimo; anything above 1 throws 6.
    explicit CAbstractQorxxAccessor(unsigned modelIndex);
    virtual ~CAbstractQorxxAccessor() = default;

    unsigned getModelIndex() const { return m_modelIndex; }
    int numberOfPCMProgramBank() const;
    int numberOfPCMProgram() const;
    int numberOfCombinationBank() const;
    int numberOfCombination() const;
    int numberOfDrumKit() const;
    int numberOfArpeggio() const;

    virtual void set(const CQorxxPcmProgramStorage& program, int index) = 0;
    virtual void set(const CQorxxCombinationStorage& combination, int index) = 0;
    virtual void set(const CDrumKitStorage& drumKit, int index) = 0;
    virtual void set(const CArpeggioStorage& arpeggio, int index) = 0;
    virtual void set(const CQorxxGlobalStorage& global) = 0;
    virtual void get(CQorxxPcmProgramStorage& program, int index) = 0;
    virtual void get(CQorxxCombinationStorage& combination, int index) = 0;
    virtual void get(CDrumKitStorage& drumKit, int index) = 0;
    virtual void get(CArpeggioStorage& arpeggio, int index) = 0;
    virtual void get(CQorxxGlobalStorage& global) = 0;

private:
    unsigned m_modelIndex;
};

// Over a data image in memory (QorX0::CHUNK_REMOTESYNTH, not owned). A storage of the wrong size
// throws 5; a null image or an index outside the model's records does nothing.
class CQorxxBufferAccessor : public CAbstractQorxxAccessor {
public:
    CQorxxBufferAccessor(unsigned modelIndex, unsigned char* image);

    void set(const CQorxxPcmProgramStorage& program, int index) override;
    void set(const CQorxxCombinationStorage& combination, int index) override;
    void set(const CDrumKitStorage& drumKit, int index) override;
    void set(const CArpeggioStorage& arpeggio, int index) override;
    void set(const CQorxxGlobalStorage& global) override;
    void get(CQorxxPcmProgramStorage& program, int index) override;
    void get(CQorxxCombinationStorage& combination, int index) override;
    void get(CDrumKitStorage& drumKit, int index) override;
    void get(CArpeggioStorage& arpeggio, int index) override;
    void get(CQorxxGlobalStorage& global) override;

protected:
    // Every write into the image goes through here.
    virtual void write(unsigned char* to, const unsigned char* from, size_t size);

private:
    // Image address of record index of an area, or null when there is none.
    unsigned char* record(const CPcgRecord& storage, unsigned expectedSize, unsigned areaOffset, int index,
                          int areaCount, int modelCount) const;
    unsigned char* m_image;
};

}  // namespace QorX0
