// What the instrument sends: dumps, parameter, mode and program changes, short messages; and the
// outgoing real-time path.
#include "Common/Link/RemoteSynthImpl.h"

namespace QorX0 {

int CRemoteSynthImpl::OnRcvShortMsg(IRemoteMIDI*, long long, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvProgramChange(IRemoteMIDI*, unsigned, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvModeAndState(IRemoteMIDI*, const MODEANDSTATE*) {
    return 0;
}
int CRemoteSynthImpl::OnRcvCurProgDump(IRemoteMIDI*, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvProgDump(IRemoteMIDI*, int, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvCurCombiDump(IRemoteMIDI*, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvCombiDump(IRemoteMIDI*, int, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvCurMultiDump(IRemoteMIDI*, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvMultiDump(IRemoteMIDI*, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvGlobalDump(IRemoteMIDI*, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvDrumkitDump(IRemoteMIDI*, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvArpPatternDump(IRemoteMIDI*, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvExtControlDump(IRemoteMIDI*, int, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvAllDump(IRemoteMIDI*, const void*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvMasterVolumeChange(IRemoteMIDI*, unsigned) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvModeChange(IRemoteMIDI*, unsigned char) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvParamChange(IRemoteMIDI*, unsigned char, int, int) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvDrumkitParamChange(IRemoteMIDI*, unsigned, unsigned, int, int) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvArpPatternParamChange(IRemoteMIDI*, unsigned, int, unsigned, int) {
    return QN_FAIL;
}
int CRemoteSynthImpl::OnRcvExtControlParamChange(IRemoteMIDI*, unsigned, int, int) {
    return QN_FAIL;
}
bool CRemoteSynthImpl::MIDIOut(const void*, unsigned) {
    return false;
}
bool CRemoteSynthImpl::RTMIDIOut(long long, const void*, unsigned) {
    return false;
}

}  // namespace QorX0
