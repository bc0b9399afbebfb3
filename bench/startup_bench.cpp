// Start-up, from the settings to the main window shown and ready for input,
// with the delivered ZIP database and an address book of 10,000 or 100,000
// records (offscreen Qt). The window system itself is started once; its own
// start is reported as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "book_generator.h"
#include "platform/window.h"
#include "ui/event_loop.h"
#include "ui/program.h"

namespace {

double g_windowingStartMs = 0;

void Drain() {
    qm::platform::Event e;
    while (qm::platform::PollEvent(e)) qm::DispatchEvent(e);
}

void BM_StartupToWindowReady(benchmark::State& state) {
    const std::string profile = qm::bench::BenchFolder() + "startup" + std::to_string(state.range(0));
    std::filesystem::create_directories(profile + "/Quillmark");
    qm::bench::WriteRandomBook(profile + "/Quillmark/Addresses.adb", static_cast<size_t>(state.range(0)));
    ::setenv("ALLUSERSPROFILE", profile.c_str(), 1);
    std::filesystem::current_path(std::string(QUILLMARK_SOURCE_DIR) + "/data");
    // The first start creates the settings and sorts the book, as any first start does.
    qm::StartProgram();
    Drain();
    qm::StopProgram();
    for (auto _ : state) {
        qm::StartProgram();
        Drain();
        state.PauseTiming();
        qm::StopProgram();
        Drain();
        state.ResumeTiming();
    }
    state.counters["window_system_start_ms"] = g_windowingStartMs;
}
BENCHMARK(BM_StartupToWindowReady)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto start = std::chrono::steady_clock::now();
    if (!qm::platform::StartWindowing()) return 1;
    g_windowingStartMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qm::platform::StopWindowing();
    return 0;
}
