#include "ui/program.h"

#include <cstdio>

#include "core/app_state.h"
#include "core/book_settings.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "platform/dialogs.h"
#include "platform/print_pack.h"
#include "platform/window.h"
#include "print/logo.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"

namespace qm {

bool StartProgram() {
    if (!platform::StartWindowing()) {
        std::fprintf(stderr, "Quillmark needs a graphical display (none was found).\n");
        return false;
    }
    if (!platform::DialogsInstalled()) platform::InstallDialogs(&platform::WindowSystemDialogs());
    StartProgramSettings();

    const AppState& app = App();
    const std::string title = "Quillmark " + app.ProgramVersion + " - " + app.BookFile;
    if (!BuildMainWindow(Book().WindowX, Book().WindowY, title)) {
        std::fprintf(stderr, "Quillmark could not open its window.\n");
        return false;
    }
    FillMainWindow();
    LoadStoredLogo(MainWindow());
    StartProgramData();

    const bool noSender = platform::ControlText(MainWindow(), SenderNameField).empty();
    platform::FocusControl(MainWindow(), noSender ? SenderNameField : AddresseeNameField);
    StartHintTimer();
    return true;
}

void StopProgram() {
    CloseMainWindow();
    Settings().CloseSettings();
}

int RunProgram() {
    if (!StartProgram()) return 1;
    RunEventLoop();
    StopProgram();
    platform::Printing().Cleanup();
    platform::InstallDialogs(nullptr);
    platform::StopWindowing();
    return 0;
}

}  // namespace qm
