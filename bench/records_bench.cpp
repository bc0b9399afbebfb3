// The search window from F3 to the filled list shown (closed again by a
// Cancel click queued behind it), and Save and the print save step, on
// books of 10,000 and 100,000 records (offscreen Qt).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "addressbook/search_window.h"
#include "book_generator.h"
#include "platform/print_pack.h"
#include "platform/qt_access.h"
#include "platform/window.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

void Drain() {
    qm::platform::Event e;
    while (qm::platform::PollEvent(e)) qm::DispatchEvent(e);
}

void StartWithBook(const std::string& name, size_t records) {
    const std::string profile = qm::bench::BenchFolder() + name;
    std::filesystem::create_directories(profile + "/Quillmark");
    qm::bench::WriteRandomBook(profile + "/Quillmark/Addresses.adb", records);
    ::setenv("ALLUSERSPROFILE", profile.c_str(), 1);
    std::filesystem::current_path(std::string(QUILLMARK_SOURCE_DIR) + "/data");
    qm::StartProgram();
    Drain();
}

void Command(int number) { qm::DispatchEvent({qm::platform::EventKind::Command, qm::MainWindow(), number}); }

// Clicks Cancel as soon as the search window has its buttons (the window
// system may run this while the window is still being built).
void CancelWhenShown(int* listed) {
    QTimer::singleShot(0, [listed] {
        const int w = qm::platform::LastOpenedWindow();
        QWidget* cancel = qm::platform::ControlWidget(w, qm::SearchCancelButton);
        if (!cancel) return CancelWhenShown(listed);
        *listed = qm::platform::ListRowCount(w, qm::SearchList);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
}

void BM_SearchWindowOpen(benchmark::State& state) {
    StartWithBook("search" + std::to_string(state.range(0)), static_cast<size_t>(state.range(0)));
    int listed = 0;
    for (auto _ : state) {
        CancelWhenShown(&listed);
        Command(qm::KeyF3);
    }
    state.counters["rows"] = listed;
    qm::StopProgram();
    Drain();
}
BENCHMARK(BM_SearchWindowOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void FillForm() {
    const int w = qm::MainWindow();
    qm::platform::SetControlText(w, qm::AddresseeNameField, "Nancy Newcomer");
    qm::platform::SetControlText(w, qm::AddresseeStreetField, "12 New St");
    qm::platform::SetControlText(w, qm::AddresseeCityField, "Springfield");
    qm::platform::SetControlText(w, qm::AddresseeStateField, "IL");
    qm::platform::SetControlText(w, qm::AddresseeZipField, "62701");
}

// A pack that prints nothing, so that the print command measures only its
// save step.
class NullPack final : public qm::platform::PrintPack {
public:
    bool OpenPrinter(const std::string&, const std::string&) override { return true; }
    void SetUnit(int) override {}
    void SelectFont(const std::string&, int, int) override {}
    qm::platform::BoxF MeasureTextBox(double x, double y, double, double, const std::string&) override {
        return {x, y, 100, 100};
    }
    void DrawTextBox(double, double, double, double, const std::string&) override {}
    void DrawPicture(const qm::platform::Picture&, double, double, double, double) override {}
    int StartJob(const std::string&) override { return 1; }
    void EndJob() override {}
    int StartPreview(int) override { return 0; }
    void StopPreview() override {}
    std::optional<qm::platform::Picture> PreviewPicture(int) override { return std::nullopt; }
    std::string LastPdfFile() const override { return {}; }
    void Cleanup() override {}
};

void BM_SaveRecord10k(benchmark::State& state) {
    StartWithBook("save", 10000);
    for (auto _ : state) {
        state.PauseTiming();
        FillForm();
        state.ResumeTiming();
        Command(qm::KeyF4);  // rewrite, sort, reload, form emptied
    }
    qm::StopProgram();
    Drain();
}
BENCHMARK(BM_SaveRecord10k)->Unit(benchmark::kMillisecond);

void BM_PrintSaveStep10k(benchmark::State& state) {
    StartWithBook("printsave", 10000);
    NullPack pack;
    qm::platform::InstallPrintPack(&pack);
    for (auto _ : state) {
        state.PauseTiming();
        FillForm();
        state.ResumeTiming();
        Command(qm::KeyF6);
    }
    qm::platform::InstallPrintPack(nullptr);
    qm::StopProgram();
    Drain();
}
BENCHMARK(BM_PrintSaveStep10k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!qm::platform::StartWindowing()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qm::platform::StopWindowing();
    return 0;
}
