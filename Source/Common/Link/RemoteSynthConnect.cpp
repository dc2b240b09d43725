// Connect, disconnect and poll.
#include "Common/Link/RemoteSynthImpl.h"

namespace QorX0 {

bool CRemoteSynthImpl::Connect(bool, bool) {
    return false;
}
void CRemoteSynthImpl::Disconnect() {}
void CRemoteSynthImpl::OnAsyncTimer(long) {}

}  // namespace QorX0
