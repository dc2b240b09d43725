#pragma once
// The librarian's view of the image: bank lists per kind of sound, banks of sounds, and sounds as a
// name and a raw record. They own no data: every sound is a window onto a record of an image.
#include <cstdint>
#include <string>
#include <vector>

#include "Common/Model/SynthData.h"

class CHfcCriticalSection;

namespace QorX0 {

class ISection;

// Owned by their containers and never deleted through these interfaces.
class ISound {
public:
    virtual std::string GetName() = 0;
    virtual unsigned RawSize() = 0;
    virtual unsigned RawGet(void* dst, unsigned offset, unsigned count) = 0;
    virtual unsigned RawPut(const void* src, unsigned offset, unsigned count) = 0;

protected:
    ~ISound() = default;
};

class IBank {
public:
    virtual std::string GetName() = 0;
    virtual unsigned GetCount() = 0;
    virtual ISound* GetAt(unsigned index) = 0;

protected:
    ~IBank() = default;
};

class IBankList {
public:
    virtual unsigned GetCount() = 0;
    virtual IBank* GetAt(unsigned index) = 0;

protected:
    ~IBankList() = default;
};

// The timbre, track or tone-adjust sub-sections of a sound section.
class ISectionList {
public:
    virtual ~ISectionList() = default;
    virtual unsigned GetCount() = 0;
    virtual ISection* GetAt(unsigned index) = 0;
};

class CSoundImpl final : public ISound {
public:
    // A read-only sound (the preset programs) copies nothing in RawPut.
    CSoundImpl(uint8_t* record, unsigned size, bool readOnly = false)
        : m_record(record), m_size(size), m_readOnly(readOnly) {}
    CSoundImpl(const CSoundImpl&) = default;
    CSoundImpl& operator=(const CSoundImpl&) = default;
    ~CSoundImpl() = default;
    std::string GetName() override;
    unsigned RawSize() override { return m_size; }
    unsigned RawGet(void* dst, unsigned offset, unsigned count) override;
    unsigned RawPut(const void* src, unsigned offset, unsigned count) override;
    // The lock of the image the record lies in, held while the record is read or written (null:
    // none, for a record nobody else writes).
    void SetLock(CHfcCriticalSection* lock) { m_lock = lock; }

private:
    uint8_t* m_record;
    unsigned m_size;
    bool m_readOnly;
    CHfcCriticalSection* m_lock = nullptr;
};

class CBankImpl final : public IBank {
public:
    CBankImpl() = default;
    CBankImpl(const CBankImpl&) = default;
    CBankImpl& operator=(const CBankImpl&) = default;
    ~CBankImpl() = default;
    void Init(const char* name, unsigned count, void* data, unsigned length, bool readOnly = false);
    void AddSounds(unsigned count, void* data, unsigned length, bool readOnly = false);
    std::string GetName() override { return m_name; }
    unsigned GetCount() override { return static_cast<unsigned>(m_sounds.size()); }
    ISound* GetAt(unsigned index) override { return index < m_sounds.size() ? &m_sounds[index] : nullptr; }
    // Every sound's image lock (CSoundImpl::SetLock), those added later too.
    void SetLock(CHfcCriticalSection* lock);

private:
    CHfcCriticalSection* m_lock = nullptr;
    std::string m_name;
    std::vector<CSoundImpl> m_sounds;
};

class CBankListImpl final : public IBankList {
public:
    CBankListImpl() = default;
    CBankListImpl(const CBankListImpl&) = delete;  // banks hand out pointers into the vector
    CBankListImpl& operator=(const CBankListImpl&) = delete;
    ~CBankListImpl() = default;
    // names: one zero-terminated name per bank, one after the other.
    void AddBanks(unsigned count, unsigned soundsPerBank, const char* names, void* data, unsigned length,
                  bool readOnly = false);
    unsigned GetCount() override { return static_cast<unsigned>(m_banks.size()); }
    IBank* GetAt(unsigned index) override { return index < m_banks.size() ? &m_banks[index] : nullptr; }
    // Every bank's image lock (CBankImpl::SetLock), those added later too.
    void SetLock(CHfcCriticalSection* lock);

private:
    CHfcCriticalSection* m_lock = nullptr;
    std::vector<CBankImpl> m_banks;
};

template <class T>
class CSectionListImplBaseT : public ISectionList {
public:
    explicit CSectionListImplBaseT(unsigned count = 0) : m_items(count) {}
    unsigned GetCount() override { return static_cast<unsigned>(m_items.size()); }
    ISection* GetAt(unsigned index) override { return index < m_items.size() ? &m_items[index] : nullptr; }
    T& Item(unsigned index) { return m_items[index]; }

protected:
    std::vector<T> m_items;
};

// The bank lists of the remote synthesizer. Programs: the model's banks of the image ("A" to "D" on
// the Tolva, to "E" on the Nerimo), then the read-only preset banks "G" and "g(d)".
constexpr unsigned kSizePresetImage = kPresetProgBankCount * kSoundsPerBank * kSizeProgram;
void BuildProgramBankList(CBankListImpl* list, unsigned char pmid, CHUNK_REMOTESYNTH* image,
                          uint8_t* presetImage);
void BuildCombiBankList(CBankListImpl* list, CHUNK_REMOTESYNTH* image);
void BuildMultiBankList(CBankListImpl* list, CHUNK_REMOTESYNTH* image);

// Item lists of the array sections: "Drumkits", "Arp.Patterns" (the five read-only preset patterns
// first, then the 251 user patterns) and "Ext.Controls".
void BuildDrumKitItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image);
void BuildArpPatternItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image);
void BuildExtControlItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image);

}  // namespace QorX0
