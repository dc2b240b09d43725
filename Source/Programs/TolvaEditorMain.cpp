// tolva-editor: the standalone program.
#include "App/EditorProgram.h"
#include "Host/HostSupport.h"

// From libX11 (its header's macros clash with the toolkit's names).
extern "C" int XInitThreads(void);

namespace {

int Body(void*) {
    CEditorProgram program(EditorProgramOptions::FromEnvironment());
    const int status = program.Start();
    if (status != 0) return status;
    return program.Run();
}

}  // namespace

int main() {
    // Two threads of this process talk to X, each on its own connection: ours and the plug-in's.
    XInitThreads();
    return ZbrRunMain("tolva-editor", &Body, nullptr);
}
