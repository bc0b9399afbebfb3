#include "print/logo.h"

#include <cmath>

#include "core/app_state.h"
#include "core/book_settings.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "ui/controls.h"

namespace qm {

namespace {

LogoState g_logo;

// A file that does not decode gives no picture and counts as no logo.
void LoadLogoPicture(int window, const std::string& path, bool present) {
    g_logo = LogoState{};
    std::optional<platform::Picture> picture = platform::LoadPictureFile(path);
    if (picture && picture->width > 0 && picture->height > 0) {
        g_logo.aspect = static_cast<float>(picture->height) / static_cast<float>(picture->width);
        const int height = static_cast<int>(std::trunc(static_cast<double>(g_logo.aspect) * 100.0));
        g_logo.picture = platform::ResizePicture(*picture, 100, height);
        g_logo.present = present && g_logo.picture.width > 0;
    }
    platform::SetControlPicture(window, LogoBox, g_logo.picture.width > 0 ? &g_logo.picture : nullptr);
}

std::string Extension(const std::string& path) {
    const size_t slash = path.rfind(platform::kPathSeparator);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

}  // namespace

const LogoState& Logo() { return g_logo; }

std::string PlaceholderPath() { return App().StartFolder + platform::kPathSeparator + "NoImage.bmp"; }

void LoadStoredLogo(int window) {
    std::string& file = Book().LogoFilename;
    if (!file.empty() && file != PlaceholderPath()) {
        LoadLogoPicture(window, file, true);
        return;
    }
    file = PlaceholderPath();
    LoadLogoPicture(window, file, false);
}

void ChangeLogo(int window) {
    platform::FileRequest request;
    request.title = "Sender Logo";
    request.filter = "JPEG |*.jpg| BitMap |*.bmp| PNG |*.png| TIFF |*.tiff ; *.tif";
    std::string& file = Book().LogoFilename;
    file = platform::SystemDialogs().RequestFile(request).value_or("");
    const std::string ext = Extension(file);
    if (!file.empty() && (ext == "jpg" || ext == "bmp" || ext == "png" || ext == "tiff" || ext == "tif")) {
        LoadLogoPicture(window, file, true);
        return;
    }
    if (!ext.empty()) {
        platform::SystemDialogs().ShowMessage("Unsupported File", "File Format not supported for images",
                                              platform::MessageButtons::Ok);
    }
    file = PlaceholderPath();
    LoadLogoPicture(window, file, false);
}

}  // namespace qm
