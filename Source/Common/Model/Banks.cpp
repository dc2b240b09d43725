#include "Common/Model/Banks.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/Converters.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/Presets.h"

namespace QorX0 {

std::string CSoundImpl::GetName() {
    CMaybeLocked lock(m_lock);
    return extractchunkname(m_record);
}

unsigned CSoundImpl::RawGet(void* dst, unsigned offset, unsigned count) {
    if (offset >= m_size || !dst) return 0;
    const unsigned n = std::min(count, m_size - offset);
    CMaybeLocked lock(m_lock);
    memcpy(dst, m_record + offset, n);
    return n;
}

unsigned CSoundImpl::RawPut(const void* src, unsigned offset, unsigned count) {
    if (m_readOnly || offset >= m_size || !src) return 0;
    const unsigned n = std::min(count, m_size - offset);
    CMaybeLocked lock(m_lock);
    memcpy(m_record + offset, src, n);
    return n;
}

void CBankImpl::SetLock(CHfcCriticalSection* lock) {
    m_lock = lock;
    for (CSoundImpl& sound : m_sounds) sound.SetLock(lock);
}

void CBankListImpl::SetLock(CHfcCriticalSection* lock) {
    m_lock = lock;
    for (CBankImpl& bank : m_banks) bank.SetLock(lock);
}

void CBankImpl::Init(const char* name, unsigned count, void* data, unsigned length, bool readOnly) {
    m_name = name ? name : "";
    AddSounds(count, data, length, readOnly);
}

void CBankImpl::AddSounds(unsigned count, void* data, unsigned length, bool readOnly) {
    const unsigned size = count ? length / count : 0;
    uint8_t* base = static_cast<uint8_t*>(data);
    m_sounds.reserve(m_sounds.size() + count);
    for (unsigned k = 0; k < count; ++k) {
        m_sounds.emplace_back(base + k * size, size, readOnly);
        m_sounds.back().SetLock(m_lock);
    }
}

void CBankListImpl::AddBanks(unsigned count, unsigned soundsPerBank, const char* names, void* data,
                             unsigned length, bool readOnly) {
    if (!count) return;
    const unsigned bankSize = length / count;
    uint8_t* base = static_cast<uint8_t*>(data);
    const char* name = names;
    m_banks.reserve(m_banks.size() + count);
    for (unsigned k = 0; k < count; ++k) {
        CBankImpl bank;
        bank.SetLock(m_lock);
        bank.Init(name, soundsPerBank, base + k * bankSize,
                  soundsPerBank ? bankSize / soundsPerBank * soundsPerBank : 0, readOnly);
        m_banks.push_back(bank);
        if (name) name += strlen(name) + 1;
    }
}

void BuildProgramBankList(CBankListImpl* list, unsigned char pmid, CHUNK_REMOTESYNTH* image,
                          uint8_t* presetImage) {
    const unsigned banks = ProgramBankCount(pmid);
    list->AddBanks(banks, kSoundsPerBank, "A\0B\0C\0D\0E", image->program, banks * kAreaPrograms.BankSize());
    if (presetImage)
        list->AddBanks(kPresetProgBankCount, kSoundsPerBank, "G\0g(d)", presetImage, kSizePresetImage, true);
}

void BuildCombiBankList(CBankListImpl* list, CHUNK_REMOTESYNTH* image) {
    list->AddBanks(kCombiBankCount, kSoundsPerBank, "A\0B\0C", image->combi, kAreaCombis.Size());
}

void BuildMultiBankList(CBankListImpl* list, CHUNK_REMOTESYNTH* image) {
    list->AddBanks(kMultiBankCount, kSoundsPerBank, "M", image->multi, kAreaMultis.Size());
}

void BuildDrumKitItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image) {
    bank->Init("Drumkits", kAreaDrumKits.count, image->drumkit, kAreaDrumKits.Size());
}

void BuildArpPatternItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image) {
    bank->Init("Arp.Patterns", kArpPresetCount, const_cast<uint8_t*>(PresetArpPatterns()),
               kArpPresetCount * kSizeArpPattern, true);
    bank->AddSounds(kAreaArpPatterns.count, image->arppattern, kAreaArpPatterns.Size());
}

void BuildExtControlItems(CBankImpl* bank, CHUNK_REMOTESYNTH* image) {
    bank->Init("Ext.Controls", kAreaExtControls.count, image->extcontrol, kAreaExtControls.Size());
}

}  // namespace QorX0
