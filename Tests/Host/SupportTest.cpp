// The program's failure family, its alerts and its buffers.
#include <gtest/gtest.h>

#include <cerrno>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/HostSupport.h"
#include "Linux/Sync.h"

TEST(HostSupport, ExceptionTexts) {
    EXPECT_STREQ(ZbrException().what(), "ZbrException");
    EXPECT_STREQ(ZbrIfNotException("index >= 0").what(), "(index >= 0) is not");
    EXPECT_STREQ(ZbrMacOSException(-50).what(), "MacOSException error code=-50");
    EXPECT_EQ(ZbrMacOSException(-50).GetErrorCode(), -50);
    EXPECT_STREQ(ZbrNullException("fp").what(), "fp is null");
    const VintorSetBufferSizeException e("Cannot set buffer size to audio device.", "( 32 - 4096 )");
    EXPECT_STREQ(e.GetLocalizeKey(), "Cannot set buffer size to audio device.");
    EXPECT_EQ(e.GetSecondMessage(), "( 32 - 4096 )");
}

TEST(HostSupport, AlertsCarryTheTitleAndTheSecondLine) {
    std::vector<HfcMessageBoxRequest> shown;
    HfcSetMessageBoxHook([&](const HfcMessageBoxRequest& r) {
        shown.push_back(r);
        return 1;
    });
    ZbrAlert::SetTitleText("Tolva Editor");
    ShowErrorAlert("Cannot set settings to audio device.", "");
    ShowErrorAlert("Cannot set buffer size to audio device.", "( 32 - 4096 )");
    ShowNoteAlert("Device was auto stoped.");
    HfcSetMessageBoxHook(nullptr);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, "Tolva Editor");
    EXPECT_EQ(shown[0].text, "Cannot set settings to audio device.") << "no trailing line break";
    EXPECT_EQ(shown[0].alert, HfcAlertType::Stop);
    EXPECT_EQ(shown[1].text, "Cannot set buffer size to audio device.\n( 32 - 4096 )");
    EXPECT_EQ(shown[2].alert, HfcAlertType::Note);
}

TEST(HostSupport, BufferListHoldsEveryChannel) {
    for (int channels : {1, 2}) {
        ZbrAudioBufferList list(2, channels, 64);
        EXPECT_EQ(list.BufferBytes(), static_cast<size_t>(64 * channels * 4));
        // Every sample of every channel is writable (ASan checks the bounds).
        for (int b = 0; b < 2; ++b)
            for (int i = 0; i < 64 * channels; ++i) list.Buffer(b)[i] = 1.0f;
    }
    EXPECT_THROW(ZbrAudioBufferList(0, 1, 64), ZbrIfNotException);
    EXPECT_THROW(ZbrAudioBufferList(1, 0, 64), ZbrIfNotException);
    EXPECT_THROW(ZbrAudioBufferList(1, 1, 0), ZbrIfNotException);
}

TEST(HostSupport, StartUpFailureEndsWithItsReasonAndStatus1) {
    struct Case {
        int (*body)(void*);
        int status;
        const char* text;
    };
    const Case cases[] = {
        {[](void*) { return 0; }, 0, ""},
        {[](void*) -> int { throw ZbrNullException("synthAUComponent"); }, 1,
         "Tolva Editor: synthAUComponent is null\n"},
        {[](void*) -> int { throw ZbrMacOSException(-2); }, 1,
         "Tolva Editor: MacOSException error code=-2\n"},
        {[](void*) -> int { throw VintorException("Cannot set settings to audio device."); }, 1,
         "Tolva Editor: Cannot set settings to audio device.\n"},
        // A lock the system refuses to set up.
        {[](void*) -> int {
             ZbrMutexSetInitForTesting([](pthread_mutex_t*, const pthread_mutexattr_t*) { return EAGAIN; });
             struct Restore {
                 ~Restore() { ZbrMutexSetInitForTesting(nullptr); }
             } restore;
             ZbrMutex mutex(ZBRMUTEX_RECURSIVE);
             return 0;
         },
         1, "Tolva Editor: (result == 0) is not\n"},
    };
    for (const Case& c : cases) {
        char* text = nullptr;
        size_t size = 0;
        FILE* errors = open_memstream(&text, &size);
        EXPECT_EQ(ZbrRunMain("Tolva Editor", c.body, nullptr, errors), c.status);
        std::fclose(errors);
        EXPECT_STREQ(text, c.text);
        std::free(text);
    }
}
