// Realistic address books for benchmarks: names, streets, cities, about 60
// bytes a line, in random order, written straight to a file.
#pragma once

#include <cstddef>
#include <string>

namespace qm::bench {

// Writes a book of `records` lines to `path`; returns the file size in bytes.
size_t WriteRandomBook(const std::string& path, size_t records, unsigned seed = 1);

// A fresh temporary folder (with trailing separator) removed at exit.
std::string BenchFolder();

}  // namespace qm::bench
