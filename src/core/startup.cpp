#include "core/startup.h"

#include "addressbook/address_book.h"
#include "core/app_state.h"
#include "core/book_settings.h"
#include "core/file_in_folder.h"
#include "core/settings_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "zip/zip_table.h"

namespace qm {

namespace {
const std::string kSep(1, platform::kPathSeparator);
}

std::string DataFolderFromEnvironment(const platform::EnvironmentList& environment) {
    std::string profile;
    for (const auto& [name, value] : environment) {
        if (name == "ALLUSERSPROFILE") profile = value;
    }
    return profile + kSep + "Quillmark" + kSep;
}

void PrepareDataFolder(const std::string& folder) {
    if (platform::ListFolder(folder, "*")) return;
    std::string path = folder;
    while (!path.empty() && (path.back() == ' ' || path.back() == '/' || path.back() == '\\')) path.pop_back();
    platform::CreateFolder(path);
}

std::string StartProgramSettings() {
    platform::PrepareSuppliedFolders();
    AppState& app = App();
    app = AppState{};
    Book() = BookSettings{};

    app.DataFolder = DataFolderFromEnvironment(platform::ProcessEnvironment());
    PrepareDataFolder(app.DataFolder);

    app.BookFolder = app.DataFolder;
    app.StartFolder = platform::CurrentFolder();
    if (app.StartFolder.empty() || app.StartFolder.back() != platform::kPathSeparator) app.StartFolder += kSep;

    if (!FileInFolder(app.DataFolder, "qm.inf")) CreateProgramSettings();

    SettingsFile& file = Settings();
    const std::string programSettings = app.DataFolder + "qm.inf";
    if (file.OpenForUpdate(programSettings)) {
        file.SelectGroup("Application");
        app.BookName = file.ReadText("CurrentAddressbook", "");
        app.BookFolder = file.ReadText("CurrentAddressbookDirectory", "");
        file.WriteText("Version", "2.80");
    } else {
        app.BookName = "Addresses";
    }
    app.BookSettingsFile = app.BookName + ".inf";
    app.BookFile = app.BookName + ".adb";
    file.CloseSettings();

    LoadBookSettings();

    std::string lastCheckValue;
    if (file.OpenForUpdate(programSettings)) {
        file.SelectGroup("Application");
        app.ProgramVersion = file.ReadText("Version", "");
        lastCheckValue = file.ReadText("LastCheckValue", "");
    }
    file.CloseSettings();
    return lastCheckValue;
}

}  // namespace qm

namespace qm {

void StartProgramData() {
    LoadAddressBook();
    LoadZipTable();
    Store().CurrentRecord = -1;
    Store().NewEntryFlag = false;
}

}  // namespace qm
