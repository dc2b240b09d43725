// A build of the plug-in for end-to-end tests of the programs that load it: the same entry point,
// but the plug-in's MIDI runs over an in-process loopback on which the simulated instrument sits,
// and the effect finds it on its ports at once. The instrument starts with its local control off
// (as a sequencer session may have left it) and reports what it saw to the file named by
// $TOLVA_SIM_REPORT, about every 50 ms and once more when the module is unloaded:
//   local_control=<0|1>           its local control now
//   local_control_history=<0,1,0> every state it was seen in, in order
//   inquiries=<n>                 device inquiries received
//   notes=<60,62>                 note-on numbers received, in order
//   received=<n>                  complete messages received
//   received_bytes=<n>            their bytes
// Not for shipping: the module is built only with the tests.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Common/Layers/EditorManagers.h"
#include "Common/Link/RemoteSynth.h"
#include "Common/Plugin/PluginEditor.h"
#include "Common/Plugin/QorVst.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Support/SimInstrument.h"
#include "Support/SimLoopback.h"

#define TOLVA_EXPORT __attribute__((visibility("default")))

namespace {

class SimRig {
public:
    SimRig()
        : m_loopback(std::make_unique<CMidiLoopback>()),
          m_sim(std::make_unique<Sim::SimInstrument>(Sim::Model::Tolva, 0)),
          m_port(std::make_unique<Sim::SimLoopbackPort>(*m_loopback, *m_sim)) {
        m_sim->With([](Sim::SimCore& core) { core.State().localControl = false; });
        MidiBackendSet(m_loopback.get());
        s_portName = m_port->KeyName();
        if (const char* path = std::getenv("TOLVA_SIM_REPORT")) m_reportPath = path;
        if (!m_reportPath.empty()) m_reporter = std::thread([this] { Report(); });
    }
    ~SimRig() {
        m_stop.store(true);
        if (m_reporter.joinable()) m_reporter.join();
        m_sim->WaitIdle(1000);
        if (!m_reportPath.empty()) WriteReport();
        // An effect the host never closed still has its ports on the loopback, and its link's threads
        // may still send through them: the instrument and the loopback stay for the rest of the
        // process (kept where the leak checker sees them).
        if (m_loopback->InputCount(m_port->Source()) > 0) {
            s_kept = Kept{m_loopback.release(), m_sim.release(), m_port.release()};
            return;
        }
        MidiBackendSet(nullptr);
        m_port.reset();
        m_sim.reset();
        m_loopback.reset();
    }

    static QorX0::IRemoteSynth* MakeSynth(unsigned char model) {
        QorX0::IRemoteSynth* synth = QorX0::RemoteSynthCreate(model);
        synth->SetMIDIInPortName(s_portName.c_str());
        synth->SetMIDIOutPortName(s_portName.c_str());
        return synth;
    }

private:
    void Report() {
        while (!m_stop.load()) {
            WriteReport();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    void WriteReport() {
        std::lock_guard<std::mutex> lock(m_writeLock);
        std::string notes;
        int inquiries = 0;
        size_t received = 0;
        size_t receivedBytes = 0;
        bool local = false;
        m_sim->With([&](Sim::SimCore& core) {
            local = core.State().localControl;
            const auto& messages = core.ReceivedMessages();
            received = messages.size();
            for (const Sim::TimedBytes& m : messages) {
                const Sim::Bytes& b = m.bytes;
                receivedBytes += b.size();
                if (b.size() >= 3 && (b[0] & 0xF0) == 0x90 && b[2] > 0) {
                    if (!notes.empty()) notes += ",";
                    notes += std::to_string(b[1]);
                }
                if (b.size() >= 5 && b[0] == 0xF0 && b[1] == 0x7E && b[3] == 0x06 && b[4] == 0x01)
                    ++inquiries;
            }
        });
        const char state = local ? '1' : '0';
        if (m_history.empty() || m_history.back() != state) {
            if (!m_history.empty()) m_history += ",";
            m_history += state;
        }
        const std::string text = "local_control=" + std::string(1, state) +
                                 "\nlocal_control_history=" + m_history +
                                 "\ninquiries=" + std::to_string(inquiries) + "\nnotes=" + notes +
                                 "\nreceived=" + std::to_string(received) +
                                 "\nreceived_bytes=" + std::to_string(receivedBytes) + "\n";
        // Written whole beside the report under a name of this module's own, then put in its place,
        // so that a reader never sees half of it and nothing else is left behind.
        std::string temp = m_reportPath + ".XXXXXX";
        const int fd = mkstemp(temp.data());
        if (fd < 0) return;
        bool written = false;
        if (FILE* f = fdopen(fd, "w")) {
            written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
            written = std::fclose(f) == 0 && written;
        } else {
            close(fd);
        }
        if (!written || std::rename(temp.c_str(), m_reportPath.c_str()) != 0) unlink(temp.c_str());
    }

    // What stays when effects outlive the module's statics (nothing destroys it).
    struct Kept {
        CMidiLoopback* loopback;
        Sim::SimInstrument* sim;
        Sim::SimLoopbackPort* port;
    };

    std::unique_ptr<CMidiLoopback> m_loopback;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimLoopbackPort> m_port;
    std::string m_reportPath;
    std::string m_history;
    std::mutex m_writeLock;
    std::atomic<bool> m_stop{false};
    std::thread m_reporter;
    static std::string s_portName;
    static Kept s_kept;
};

std::string SimRig::s_portName;
SimRig::Kept SimRig::s_kept{};

void Install() {
    static SimRig rig;
    static const PluginEditorHooks hooks = EditorManagerHooks(GetPluginEditorHooks());
    static const bool installed =
        (SetPluginEditorHooks(&hooks), QorVst::SetSynthFactory(&SimRig::MakeSynth), true);
    (void)installed;
}

}  // namespace

extern "C" TOLVA_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    Install();
    return QorVst::PluginMain(audioMaster);
}
