// Reading printed PDF files back with poppler-utils.
#pragma once

#include <string>
#include <vector>

namespace qm::test {

struct PdfWord {
    std::string text;
    double xMin, yMin, xMax, yMax;  // points from the page's top-left corner
};

// The output of a command, and its exit code.
std::string RunCommand(const std::string& command, int* exitCode = nullptr);

// pdftotext -bbox: every word of the first page with its box.
std::vector<PdfWord> PdfWords(const std::string& pdf);

// pdfinfo's "Page size:" line, e.g. "684 x 297 pts".
std::string PdfPageSize(const std::string& pdf);

// The first word equal to `text`, or nullptr.
const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text);

// Shell quoting for a path.
std::string Quote(const std::string& text);

}  // namespace qm::test
