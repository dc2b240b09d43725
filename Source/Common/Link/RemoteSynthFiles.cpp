// Streams and files.
#include "Common/Link/RemoteSynthImpl.h"

namespace QorX0 {

bool CRemoteSynthImpl::LoadStream(std::istream&, unsigned) {
    return false;
}
bool CRemoteSynthImpl::SaveStream(std::ostream&, FTYPE, unsigned) {
    return false;
}
bool CRemoteSynthImpl::LoadFile(const char*, unsigned) {
    return false;
}
bool CRemoteSynthImpl::SaveFile(const char*, FTYPE, unsigned) {
    return false;
}
bool CRemoteSynthImpl::MergePending() {
    return false;
}

}  // namespace QorX0
