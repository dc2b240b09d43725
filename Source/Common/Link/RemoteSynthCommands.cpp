// Transfer commands, send all, receive all.
#include "Common/Link/RemoteSynthImpl.h"

namespace QorX0 {

bool CRemoteSynthImpl::ExecCommand(int, int, int, int, int) {
    return false;
}
QNRESULT CRemoteSynthImpl::HandleSendAll(const CHUNK_REMOTESYNTH*, const char*) {
    return QN_FAIL;
}
QNRESULT CRemoteSynthImpl::HandleReceiveAll(const char*) {
    return QN_FAIL;
}
void CRemoteSynthImpl::OnApplyAll() {}

}  // namespace QorX0
