#include "support/pdf_words.h"

#include <sys/wait.h>

#include <cstdio>
#include <regex>

namespace qm::test {

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string RunCommand(const std::string& command, int* exitCode) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    int status = ::pclose(pipe);
    if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::vector<PdfWord> PdfWords(const std::string& pdf) {
    const std::string html = RunCommand("pdftotext -bbox -f 1 -l 1 " + Quote(pdf) + " - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.push_back({m[5], std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
    }
    return words;
}

std::string PdfPageSize(const std::string& pdf) {
    const std::string info = RunCommand("pdfinfo " + Quote(pdf) + " 2>/dev/null");
    static const std::regex size(R"re(Page size:\s+([0-9.]+ x [0-9.]+ pts))re");
    std::smatch m;
    return std::regex_search(info, m, size) ? m[1].str() : std::string();
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
    for (const PdfWord& w : words) {
        if (w.text == text) return &w;
    }
    return nullptr;
}

}  // namespace qm::test
