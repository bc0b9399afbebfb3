// The printers the system offers: its spooler's destinations and the
// built-in PDF printer.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm::platform {

// The name the built-in PDF printer is listed under, after the spooler's.
inline constexpr const char* kPdfPrinterName = "Save as PDF";

// Lists the local and connected printers in the spooler's order, then the
// PDF printer. False when there is none.
bool ListPrinters(std::vector<std::string>& names);

// Tests: list these instead (nullptr restores the system's listing).
void SetPrinterListingForTesting(std::function<bool(std::vector<std::string>&)> listing);

}  // namespace qm::platform
