// One envelope to the built-in PDF printer, from the print job's start to the
// closed file, and the preview picture (offscreen Qt).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "book_generator.h"
#include "core/book_settings.h"
#include "platform/print_pack.h"
#include "platform/printers.h"
#include "platform/window.h"
#include "print/envelope.h"
#include "print/preview.h"
#include "print/print_command.h"

namespace {

qm::EnvelopeFieldTexts Fields() {
    qm::EnvelopeFieldTexts t;
    t.SenderName = "Pat Sender";
    t.SenderStreet = "1 Main St";
    t.SenderCSZ = "Springfield, IL 62701";
    t.Name = "John Smith";
    t.Street = "Attn: Billing";
    t.Suite = "Suite 400";
    t.City = "Austin";
    t.State = "TX";
    t.Zip = "78701";
    return t;
}

void BM_PrintOneEnvelopeToPdf(benchmark::State& state) {
    qm::ApplyFontDefaults(qm::Book());
    const qm::EnvelopeFieldTexts fields = Fields();
    for (auto _ : state) {
        qm::PrintOneEnvelope(qm::platform::kPdfPrinterName, fields);
        state.PauseTiming();
        const std::string file = qm::platform::Printing().LastPdfFile();
        if (file.empty()) state.SkipWithError("no PDF written");
        std::filesystem::remove(file);  // so every job writes the same file name
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrintOneEnvelopeToPdf)->Unit(benchmark::kMillisecond);

void BM_PreviewPicture(benchmark::State& state) {
    const qm::EnvelopeFieldTexts fields = Fields();
    for (auto _ : state) {
        auto picture = qm::RenderPreviewPicture(fields);
        if (!picture) state.SkipWithError("no preview picture");
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_PreviewPicture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string home = qm::bench::BenchFolder();
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    if (!qm::platform::StartWindowing()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qm::platform::Printing().Cleanup();
    qm::platform::StopWindowing();
    return 0;
}
