// Address book load, save and delete on books of 1,000 to 100,000 records,
// the peak memory of a save in the largest book, and the fast file sort
// against the quadratic adjacent-exchange sort it replaces.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <string>
#include <vector>

#include "addressbook/address_book.h"
#include "addressbook/book_format.h"
#include "addressbook/book_sort.h"
#include "book_generator.h"
#include "core/app_state.h"
#include "core/text.h"

namespace {

using qm::AddresseeRecord;

std::string UseBook(const std::string& name) {
    qm::App().BookFolder = qm::bench::BenchFolder();
    qm::App().BookFile = name + ".adb";
    return qm::App().BookFolder + qm::App().BookFile;
}

double PeakRssMegabytes() {
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// Runs first, in a fresh process, so the process's peak is this save's.
void BM_PeakMemoryOfSave100k(benchmark::State& state) {
    const std::string path = UseBook("Peak");
    const double fileMb = static_cast<double>(qm::bench::WriteRandomBook(path, 100000)) / (1024.0 * 1024.0);
    for (auto _ : state) {
        qm::LoadAddressBook();
        qm::WriteAddressBook({"Nancy Newcomer", "12 New St", "", "Springfield", "IL", "62701"});
    }
    state.counters["file_MB"] = fileMb;
    state.counters["peak_rss_MB"] = PeakRssMegabytes();
    state.counters["budget_MB"] = 4 * fileMb + 20;
}
BENCHMARK(BM_PeakMemoryOfSave100k)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LoadSortedBook(benchmark::State& state) {
    const std::string path = UseBook("Load" + std::to_string(state.range(0)));
    qm::bench::WriteRandomBook(path, static_cast<size_t>(state.range(0)));
    qm::LoadAddressBook();  // now in the order the program keeps it
    for (auto _ : state) qm::LoadAddressBook();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadSortedBook)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadUnsortedBook(benchmark::State& state) {
    const std::string path = UseBook("Unsorted" + std::to_string(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        qm::bench::WriteRandomBook(path, static_cast<size_t>(state.range(0)));
        state.ResumeTiming();
        qm::LoadAddressBook();  // sort, rewrite, read
    }
}
BENCHMARK(BM_LoadUnsortedBook)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SaveNewRecord(benchmark::State& state) {
    const std::string path = UseBook("Save" + std::to_string(state.range(0)));
    qm::bench::WriteRandomBook(path, static_cast<size_t>(state.range(0)));
    qm::LoadAddressBook();
    for (auto _ : state) {
        qm::WriteAddressBook({"Nancy Newcomer", "12 New St", "", "Springfield", "IL", "62701"});
    }
}
BENCHMARK(BM_SaveNewRecord)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RemoveRecord(benchmark::State& state) {
    const std::string path = UseBook("Remove" + std::to_string(state.range(0)));
    qm::bench::WriteRandomBook(path, static_cast<size_t>(state.range(0)));
    qm::LoadAddressBook();
    for (auto _ : state) {
        qm::Store().CurrentRecord = static_cast<int32_t>(qm::Store().entries.size() / 2);
        qm::RemoveRecord();
    }
}
BENCHMARK(BM_RemoveRecord)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The adjacent-exchange sort the file sort replaces, keys recomputed at
// every comparison.
void QuadraticFileSort(std::vector<AddresseeRecord>& v) {
    auto key = [](const AddresseeRecord& r) { return qm::UpperCase(qm::TrimSpaces(r.Get(AddresseeRecord::Name))); };
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            std::string a = key(v[i]), b = key(v[i + 1]);
            if (a.empty() || b.empty() || a <= b) continue;
            std::string na(v[i].Get(AddresseeRecord::RecordNumber)), nb(v[i + 1].Get(AddresseeRecord::RecordNumber));
            std::swap(v[i], v[i + 1]);
            v[i].Set(AddresseeRecord::RecordNumber, na);
            v[i + 1].Set(AddresseeRecord::RecordNumber, nb);
            exchanged = true;
        }
    }
}

void BM_FileSortAgainstQuadratic5000(benchmark::State& state) {
    const std::string path = UseBook("Ratio");
    qm::bench::WriteRandomBook(path, 5000);
    std::string content;
    {
        FILE* f = std::fopen(path.c_str(), "rb");
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) content.append(buffer, n);
        std::fclose(f);
    }
    const std::vector<AddresseeRecord> book = qm::ParseBook(content);

    std::vector<AddresseeRecord> reference = book;
    auto start = std::chrono::steady_clock::now();
    QuadraticFileSort(reference);
    const double quadraticMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    double fastMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<AddresseeRecord> records = book;
        state.ResumeTiming();
        auto t = std::chrono::steady_clock::now();
        qm::SortForFile(records);
        fastMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
        if (records != reference) state.SkipWithError("fast sort differs from the quadratic sort");
    }
    fastMs /= static_cast<double>(state.iterations());
    state.counters["quadratic_ms"] = quadraticMs;
    state.counters["fast_ms"] = fastMs;
    state.counters["speedup"] = quadraticMs / fastMs;
}
BENCHMARK(BM_FileSortAgainstQuadratic5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
