#include "platform/dialogs.h"

#include <cstdio>

#include "core/text.h"

namespace qm::platform {

namespace {

// Used before the window system is up: the user still sees the message in the
// terminal the program was started from; requesters answer as cancelled.
class StandardErrorDialogs final : public Dialogs {
public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        std::string line = Cp1252ToUtf8(title + ": " + text);
        for (char& c : line) {
            if (c == '\r') c = '\n';
        }
        std::fprintf(stderr, "%s\n", line.c_str());
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::optional<std::string> RequestFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }
};

StandardErrorDialogs g_fallback;
Dialogs* g_installed = nullptr;

}  // namespace

Dialogs& SystemDialogs() { return g_installed ? *g_installed : g_fallback; }

void InstallDialogs(Dialogs* dialogs) { g_installed = dialogs; }

bool DialogsInstalled() { return g_installed != nullptr; }

}  // namespace qm::platform
