#include "Host/HostSupport.h"

#include <map>
#include <mutex>

#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/Sync.h"

namespace {
void ThrowMutexSetUpFailure(const char* condition) {
    throw ZbrIfNotException(condition);
}

std::mutex g_titleLock;
std::string g_titleText;
bool g_titleSet = false;
}  // namespace

std::string VintorLocalizedString(const char* key) {
    // Every key is English already; a translation table would be looked up here.
    return key ? std::string(key) : std::string();
}

void ZbrAlert::SetTitleText(const std::string& title) {
    std::lock_guard<std::mutex> lock(g_titleLock);
    g_titleText = title;
    g_titleSet = true;
}

std::string ZbrAlert::GetTitleText() {
    std::lock_guard<std::mutex> lock(g_titleLock);
    if (!g_titleSet) throw ZbrNullException("*gTitleText");
    return g_titleText;
}

int ZbrAlert::ShowStandardAlert(Type type, const std::string& title, const std::string& text) {
    long icon = HFC_MB_ICONPLAIN;
    if (type == kNote) icon = HFC_MB_ICONNOTE;
    if (type == kCaution) icon = HFC_MB_ICONCAUTION;
    if (type == kStop) icon = HFC_MB_ICONSTOP;
    return HfcMessageBox(text.c_str(), title.c_str(), HFC_MB_OK, icon);
}

int ZbrAlert::MessageAlert(const std::string& text, Type type, void*) {
    const std::string title = GetTitleText();
    return ShowStandardAlert(type, title, text);
}

int ZbrAlert::ErrorAlert(const std::string& text, void* window) {
    return MessageAlert(text, kStop, window);
}

void ShowNoteAlert(const char* key) {
    ZbrAlert::MessageAlert(VintorLocalizedString(key), ZbrAlert::kNote);
}

void ShowErrorAlert(const char* key, const std::string& second) {
    std::string text = VintorLocalizedString(key);
    if (!second.empty()) text += "\n" + second;
    ZbrAlert::ErrorAlert(text);
}

ZbrAudioBufferList::ZbrAudioBufferList(int numberBuffers, int channelsPerBuffer, int frameSize)
    : m_channels(channelsPerBuffer), m_frames(frameSize) {
    if (!(numberBuffers >= 1)) throw ZbrIfNotException("inNumberBuffers >= 1");
    if (!(channelsPerBuffer >= 1)) throw ZbrIfNotException("inChannelsPerBuffer >= 1");
    if (!(frameSize >= 1)) throw ZbrIfNotException("inFrameSize >= 1");
    // Each buffer holds every channel of every frame (a buffer of n channels needs n times the room).
    m_buffers.resize(static_cast<size_t>(numberBuffers));
    for (auto& b : m_buffers)
        b.assign(static_cast<size_t>(frameSize) * static_cast<size_t>(channelsPerBuffer), 0.0f);
    for (auto& b : m_buffers) m_pointers.push_back(b.data());
}

int ZbrRunMain(const char* programName, int (*body)(void*), void* context, FILE* errors) {
    // In the program a lock that cannot be set up is a failure of the family, as any other.
    ZbrMutexSetFailureHandler(&ThrowMutexSetUpFailure);
    try {
        return body(context);
    } catch (const VintorException& e) {
        std::string text = VintorLocalizedString(e.GetLocalizeKey());
        if (!e.GetSecondMessage().empty()) text += " " + e.GetSecondMessage();
        std::fprintf(errors, "%s: %s\n", programName, text.c_str());
    } catch (const std::exception& e) {
        std::fprintf(errors, "%s: %s\n", programName, e.what());
    }
    return 1;
}
