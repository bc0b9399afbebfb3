// The whole program started on the real widgets with a fresh data folder, the
// delivered files of data/ as its start folder, a fake printer listing and
// scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/printers.h"
#include "platform/qt_access.h"
#include "platform/window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace qm::test {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
        : env_("ALLUSERSPROFILE", profile.path().c_str()), cwd_(std::string(QUILLMARK_SOURCE_DIR) + "/data") {}

    void SetUp() override {
        platform::SetPrinterListingForTesting([this](std::vector<std::string>& names) {
            names = printers;
            return !names.empty();
        });
    }
    void TearDown() override {
        StopProgram();
        platform::SetPrinterListingForTesting(nullptr);
        platform::SetClockForTesting(-1);
        Pump();
    }

    // Starts the program and handles the events start-up raised.
    void Start() {
        ASSERT_TRUE(StartProgram());
        Pump();
    }
    void Restart() {
        StopProgram();
        Pump();
        Start();
    }

    // Runs every pending event through the dispatch table.
    static void Pump() {
        platform::Event event;
        while (platform::PollEvent(event)) DispatchEvent(event);
    }

    static QWidget* Widget(int id) { return platform::ControlWidget(MainWindow(), id); }
    static QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(Widget(id)); }
    static std::string Text(int id) { return platform::ControlText(MainWindow(), id); }
    static void SetText(int id, const std::string& text) { platform::SetControlText(MainWindow(), id, text); }

    // Moves the focus as a user would, and handles what that raised.
    static void Focus(int id) {
        Widget(id)->setFocus(Qt::TabFocusReason);
        Pump();
    }

    std::string DataFolder() const { return profile.path() + "/Quillmark/"; }

    std::vector<std::string> printers = {"Office Laser", "Save as PDF"};
    TempFolder profile;
    ScriptedDialogs dialogs;

private:
    ScopedEnv env_;
    WorkingFolder cwd_;
};

}  // namespace qm::test
