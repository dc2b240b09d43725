// Mode, current sound, master volume and audition.
#include "Common/Link/RemoteSynthImpl.h"

namespace QorX0 {

unsigned CRemoteSynthImpl::PutMasterVolume(unsigned) {
    return m_masterVolume.load();
}
unsigned char CRemoteSynthImpl::PutMode(unsigned char) {
    return GetMode();
}
SOUNDINDEX CRemoteSynthImpl::GetCurSound() {
    return {255, 255};
}
SOUNDINDEX CRemoteSynthImpl::PutCurSound(const SOUNDINDEX&) {
    return GetCurSound();
}
bool CRemoteSynthImpl::BeginAudition(AUDCTX) {
    return false;
}
bool CRemoteSynthImpl::EndAudition(bool) {
    return false;
}

}  // namespace QorX0
