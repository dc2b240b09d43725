#pragma once
// Result codes shared by every subsystem: zero or positive is success.
#include <cstdint>

using QNRESULT = int32_t;

constexpr QNRESULT QS_OK = 0;
constexpr QNRESULT QS_FALSE = 1;                                       // success without effect
constexpr QNRESULT QN_FAIL = static_cast<QNRESULT>(0x80000001u);       // failure, also when not connected
constexpr QNRESULT QN_ABORT = static_cast<QNRESULT>(0x80000002u);      // aborted by the user
constexpr QNRESULT QN_BUSY = static_cast<QNRESULT>(0x80000003u);       // another session is running
constexpr QNRESULT QN_TIMEOUT = static_cast<QNRESULT>(0x80000004u);    // no reply in time
constexpr QNRESULT QN_QUEUEFULL = static_cast<QNRESULT>(0x80000005u);  // output queue full
constexpr QNRESULT QN_INPUTLOST = static_cast<QNRESULT>(0x80000006u);  // incoming bytes were lost

constexpr bool QN_SUCCEEDED(QNRESULT r) {
    return r >= 0;
}
constexpr bool QN_FAILED(QNRESULT r) {
    return r < 0;
}
