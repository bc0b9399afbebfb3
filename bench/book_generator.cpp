#include "book_generator.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

namespace qm::bench {

namespace {

const std::vector<const char*> kFirst = {"James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael",
                                         "Linda", "David", "Elizabeth", "William", "Barbara", "Richard", "Susan",
                                         "Joseph", "Jessica", "Thomas", "Sarah", "Charles", "Karen", "Andr\xE9",
                                         "Zo\xEB"};
const std::vector<const char*> kLast = {"Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller",
                                        "Davis", "Rodriguez", "Martinez", "Hernandez", "Lopez", "Gonzalez",
                                        "Wilson", "Anderson", "Thomas", "Taylor", "Moore", "Jackson", "Martin"};
const std::vector<const char*> kStreet = {"Main St", "Oak Ave", "Maple Dr", "Cedar Ln", "Elm St", "Park Blvd",
                                          "Washington Ave", "Lake Rd", "Hill St", "Sunset Blvd"};
const std::vector<const char*> kCity = {"Springfield", "Riverside", "Franklin", "Greenville", "Bristol",
                                        "Clinton", "Fairview", "Salem", "Madison", "Georgetown"};
const std::vector<const char*> kState = {"IL", "CA", "TN", "SC", "VA", "NY", "OR", "MA", "WI", "TX"};

}  // namespace

size_t WriteRandomBook(const std::string& path, size_t records, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](const std::vector<const char*>& v) { return v[rng() % v.size()]; };
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) std::abort();
    size_t bytes = 0;
    char line[256];
    for (size_t i = 0; i < records; ++i) {
        const bool suite = rng() % 4 == 0;
        int n = std::snprintf(line, sizeof line, "%s %s^%u %s^%s%s^%s^%s^%05u^%zu^1\r\n", pick(kFirst), pick(kLast),
                              static_cast<unsigned>(rng() % 9000 + 100), pick(kStreet), suite ? "Apt " : "",
                              suite ? std::to_string(rng() % 90 + 1).c_str() : "", pick(kCity), pick(kState),
                              static_cast<unsigned>(rng() % 99999), i);
        std::fwrite(line, 1, static_cast<size_t>(n), out);
        bytes += static_cast<size_t>(n);
    }
    std::fclose(out);
    return bytes;
}

std::string BenchFolder() {
    static std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillmark-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(BenchFolder(), ignored);
        });
        return pattern + "/";
    }();
    return folder;
}

}  // namespace qm::bench
