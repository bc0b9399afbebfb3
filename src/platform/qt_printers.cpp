#include <QPrinterInfo>

#include "platform/printers.h"
#include "platform/qt_text.h"

namespace qm::platform {

namespace {
std::function<bool(std::vector<std::string>&)> g_listing;
}

bool ListPrinters(std::vector<std::string>& names) {
    names.clear();
    if (g_listing) return g_listing(names);
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQt(name));
    names.emplace_back(kPdfPrinterName);
    return !names.empty();
}

void SetPrinterListingForTesting(std::function<bool(std::vector<std::string>&)> listing) {
    g_listing = std::move(listing);
}

}  // namespace qm::platform
