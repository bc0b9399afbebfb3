// Quillmark: prints addresses on #10 envelopes.
#include <cstdio>

#include "addressbook/record_store.h"
#include "core/app_state.h"
#include "core/startup.h"
#include "zip/zip_table.h"

int main() {
    qm::StartProgramSettings();
    qm::StartProgramData();
    const qm::AppState& app = qm::App();
    std::printf("Quillmark %s - %s\n", app.ProgramVersion.c_str(), app.BookFile.c_str());
    std::printf("Address book: %s (%zu records)\n", app.BookPath().c_str(), qm::Store().entries.size());
    std::printf("ZIP codes: %zu\n", qm::Zips().Size());
    std::printf("The main window is not built yet; the program ends here.\n");
    return 0;
}
