// A current address book in a temporary folder, with scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addressbook/record_store.h"
#include "core/app_state.h"
#include "platform/files.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace qm::test {

class BookTest : public ::testing::Test {
protected:
    void SetUp() override {
        App() = AppState{};
        App().BookFolder = folder.path();
        UseBook("Addresses");
        Store() = RecordStore{};
    }
    void TearDown() override { platform::FailNextReplacements(0, 0); }

    void UseBook(const std::string& name) {
        App().BookName = name;
        App().BookFile = name + ".adb";
        App().BookSettingsFile = name + ".inf";
    }
    std::string BookPath() const { return folder.File(App().BookFile); }
    std::string BookBytes() const { return ReadBytes(BookPath()); }
    void WriteBook(const std::string& bytes) const { WriteBytes(BookPath(), bytes); }

    // The store's entries as lines of their eight fields joined by "^".
    static std::vector<std::string> StoreLines() {
        std::vector<std::string> lines;
        for (const AddresseeRecord& r : Store().entries) {
            std::string line;
            for (int f = 0; f < AddresseeRecord::kFieldCount; ++f) {
                if (f) line += '^';
                line += r.Get(f);
            }
            lines.push_back(line);
        }
        return lines;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

}  // namespace qm::test
