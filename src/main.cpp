// Quillmark: prints addresses on #10 envelopes.
#include <cstdio>

#include "core/app_state.h"
#include "core/startup.h"

int main() {
    qm::StartProgramSettings();
    const qm::AppState& app = qm::App();
    std::printf("Quillmark %s - %s\n", app.ProgramVersion.c_str(), app.BookFile.c_str());
    std::printf("Data folder: %s\n", app.DataFolder.c_str());
    std::printf("The main window is not built yet; settings were prepared and the program ends.\n");
    return 0;
}
