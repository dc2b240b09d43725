// The standalone program started on the kernel's sequencer with the plug-in as it ships and the
// simulated instrument switched on as a client of its own: the plug-in opens a sequencer client of
// its own inside the program's process, ports on it to look for the instrument, and keeps the pair
// that found it. The program must take none of them for a device: it subscribes to no port of its
// own process (it connects every source it lists, and sends its probe to every destination it
// lists), and no "MIDI Device changed" alert comes up. A client of this test watches every
// subscription the system announces. Skipped without the sequencer or Xvfb.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Host/Audio/AudioTypes.h"
#include "Host/SaveData.h"
#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "ProgramRun.h"
#include "Support/SimAlsaClient.h"
#include "Support/XvfbServer.h"

#if defined(TOLVA_EDITOR_PROGRAM) && defined(TOLVA_PLUGIN_SO)

namespace {

using namespace ProgramRun;

// The program's MIDI setup follows the sequencer's announcements and settles for a second before
// it compares the port list; the alert used to come about 12 s after the start.
constexpr int kWatchAfterStartMs = 13000;

// Every subscription the system announces, and the process each end's client belongs to.
class SubscriptionWatch {
public:
    SubscriptionWatch() {
        if (snd_seq_open(&m_seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
            m_seq = nullptr;
            return;
        }
        snd_seq_set_client_name(m_seq, "Subscription Watch");
        // Written to by the system only: no other client can subscribe to it, and the program lists it not.
        m_port = snd_seq_create_simple_port(m_seq, "Announcements", SND_SEQ_PORT_CAP_WRITE,
                                            SND_SEQ_PORT_TYPE_APPLICATION);
        if (m_port < 0 ||
            snd_seq_connect_from(m_seq, m_port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0) {
            snd_seq_close(m_seq);
            m_seq = nullptr;
            return;
        }
        m_thread = std::thread([this] { Run(); });
    }
    ~SubscriptionWatch() {
        m_stop.store(true);
        if (m_thread.joinable()) m_thread.join();
        if (m_seq) snd_seq_close(m_seq);
    }
    bool Ok() const { return m_seq != nullptr; }
    void Watch(pid_t process) { m_process.store(process); }
    // "a:b -> c:d" for each subscription between two clients of the watched process.
    std::vector<std::string> OwnSubscriptions() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_own;
    }
    int SubscriptionsSeen() const { return m_seen.load(); }

private:
    // The process a client was opened in (the sequencer names the opening thread), looked up
    // while that thread lives: when the client starts, or at the latest when it subscribes.
    int ProcessOf(int client) {
        const auto known = m_clients.find(client);
        if (known != m_clients.end()) return known->second;
        snd_seq_client_info_t* info;
        snd_seq_client_info_alloca(&info);
        if (snd_seq_get_any_client_info(m_seq, client, info) < 0) return -1;
        const int process = AlsaThreadGroupOf(snd_seq_client_info_get_pid(info));
        if (process > 0) m_clients[client] = process;
        return process;
    }
    void Run() {
        while (!m_stop.load()) {
            snd_seq_event_t* ev = nullptr;
            const int r = snd_seq_event_input(m_seq, &ev);
            if (r == -EAGAIN || ev == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            if (ev->type == SND_SEQ_EVENT_CLIENT_START) {
                ProcessOf(ev->data.addr.client);
            } else if (ev->type == SND_SEQ_EVENT_CLIENT_EXIT) {
                m_clients.erase(ev->data.addr.client);
            } else if (ev->type == SND_SEQ_EVENT_PORT_SUBSCRIBED) {
                m_seen.fetch_add(1);
                const snd_seq_addr_t from = ev->data.connect.sender, to = ev->data.connect.dest;
                const int process = m_process.load();
                if (from.client != to.client && process > 0 && ProcessOf(from.client) == process &&
                    ProcessOf(to.client) == process) {
                    std::lock_guard<std::mutex> lock(m_lock);
                    m_own.push_back(std::to_string(from.client) + ":" + std::to_string(from.port) + " -> " +
                                    std::to_string(to.client) + ":" + std::to_string(to.port));
                }
            }
        }
    }

    snd_seq_t* m_seq = nullptr;
    int m_port = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<pid_t> m_process{0};
    std::atomic<int> m_seen{0};
    std::map<int, int> m_clients;  // watch thread only
    std::mutex m_lock;
    std::vector<std::string> m_own;
    std::thread m_thread;
};

}  // namespace

TEST(AlsaStandaloneStart, NoOwnPortIsListedAndNoMidiDeviceChangedAlertComes) {
    if (access("/dev/snd/seq", R_OK | W_OK) != 0) GTEST_SKIP() << "no ALSA sequencer (/dev/snd/seq)";
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << server.Reason();
    SubscriptionWatch watch;
    ASSERT_TRUE(watch.Ok());
    Sim::SimInstrument sim(Sim::Model::Tolva, 0);
    Sim::SimAlsaClient instrument(sim);
    ASSERT_TRUE(instrument.Ok()) << instrument.Error();

    const std::string folder = TempFolder();
    ASSERT_FALSE(folder.empty());
    // Saved settings that open no window but the editor's: the fake stereo device.
    SaveData saved;
    saved.deviceName = "Fake Stereo";
    saved.format = MakeStreamDescription(SampleKind::Float32, 48000, 2);
    saved.bufferFrames = 256;
    ASSERT_TRUE(SaveDataWriteFile(folder + "/Velk Tolva Editor Preferences", saved));

    const auto started = std::chrono::steady_clock::now();
    Child child = Launch(TOLVA_EDITOR_PROGRAM,
                         {{"DISPLAY", server.Name()},
                          {"TOLVA_AUDIO", "fake"},
                          {"TOLVA_PLUGIN", TOLVA_PLUGIN_SO},
                          {"HOME", folder},
                          {"XDG_CONFIG_HOME", folder},
                          {"TOLVA_LOCK_DIR", folder},
                          {"VST_PATH", folder + "/vst"}},
                         folder);
    ASSERT_GT(child.pid, 0);
    watch.Watch(child.pid);
    XSession x(server.Name());
    ASSERT_TRUE(x.Ok());
    const unsigned long window = x.WaitForTopLevel("Tolva Editor", 15000);
    ASSERT_NE(window, 0u) << ReadAll(child.output);

    std::vector<unsigned long> windows;
    while (std::chrono::steady_clock::now() - started < std::chrono::milliseconds(kWatchAfterStartMs)) {
        windows = x.TopLevels("Tolva Editor");
        if (windows.size() > 1) break;  // an alert over the editor
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(windows, std::vector<unsigned long>{window}) << "a window other than the editor came up";
    // The plug-in found the instrument and holds its ports open.
    snd_seq_addr_t reader{};
    EXPECT_TRUE(instrument.Reader(&reader)) << "the plug-in is not connected to the instrument";
    // The program does subscribe to ports (to those of other clients): the watch saw them.
    EXPECT_GT(watch.SubscriptionsSeen(), 0);
    EXPECT_EQ(watch.OwnSubscriptions(), std::vector<std::string>{})
        << "the program connected to a port of its own process";

    x.Close(window);
    EXPECT_EQ(WaitFor(child.pid, 20), 0) << ReadAll(child.output);
    const std::string command = "rm -rf " + folder;
    EXPECT_EQ(std::system(command.c_str()), 0);
}

#endif
