// A PrintPack that records every call with its arguments. Its text boxes
// measure 10 pixels a character and 20 a line, at the corner rounded as the
// real pack rounds it.
#pragma once

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "platform/print_pack.h"

namespace qm::test {

class RecordingPack final : public platform::PrintPack {
public:
    RecordingPack() { platform::InstallPrintPack(this); }
    ~RecordingPack() override { platform::InstallPrintPack(nullptr); }

    std::vector<std::string> calls;
    std::vector<std::string> titles;
    bool openSucceeds = true;
    bool jobStarts = true;
    int previewHeight = 297;
    std::string pdfFile;  // what LastPdfFile answers

    bool OpenPrinter(const std::string& name, const std::string& settings) override {
        Log("open '" + name + "' " + settings);
        return openSucceeds;
    }
    void SetUnit(int unit) override { Log("unit " + std::to_string(unit)); }
    void SelectFont(const std::string& face, int points, int styleBits) override {
        Log("font " + face + " " + std::to_string(points) + " " + std::to_string(styleBits));
    }
    platform::BoxF MeasureTextBox(double x, double y, double w, double h, const std::string& text) override {
        Log("measure " + Num(x) + " " + Num(y) + " " + Num(w) + " " + Num(h) + " [" + text + "]");
        size_t lines = 1, longest = 0, current = 0;
        for (char c : text) {
            if (c == '\n') {
                ++lines;
                current = 0;
            } else {
                longest = std::max(longest, ++current);
            }
        }
        return {std::nearbyint(x), std::nearbyint(y), 10.0 * static_cast<double>(longest), 20.0 * static_cast<double>(lines)};
    }
    void DrawTextBox(double x, double y, double w, double h, const std::string& text) override {
        Log("text " + Num(x) + " " + Num(y) + " " + Num(w) + " " + Num(h) + " [" + text + "]");
    }
    void DrawPicture(const platform::Picture& picture, double x, double y, double w, double h) override {
        Log("picture " + std::to_string(picture.width) + "x" + std::to_string(picture.height) + " at " + Num(x) +
            " " + Num(y) + " " + Num(w) + " " + Num(h));
    }
    int StartJob(const std::string& title) override {
        Log("start " + title);
        titles.push_back(title);
        return jobStarts ? static_cast<int>(titles.size()) : 0;
    }
    void EndJob() override { Log("end"); }
    int StartPreview(int width) override {
        Log("preview " + std::to_string(width));
        return openSucceeds ? 1 : 0;
    }
    void StopPreview() override { Log("stop preview"); }
    std::optional<platform::Picture> PreviewPicture(int) override {
        if (!openSucceeds) return std::nullopt;
        platform::Picture p;
        p.width = 684;
        p.height = previewHeight;
        p.pixels.assign(static_cast<size_t>(p.width * p.height), 0xFFFFFFFF);
        return p;
    }
    std::string LastPdfFile() const override { return pdfFile; }
    void Cleanup() override { Log("cleanup"); }

    // The calls that start with `prefix`.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls) {
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        }
        return out;
    }

private:
    void Log(std::string call) { calls.push_back(std::move(call)); }
    static std::string Num(double v) {
        std::ostringstream out;
        out << v;
        return out.str();
    }
};

}  // namespace qm::test
