// Decoding of the ZIP database's Base64 lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// The longest entry text the database holds; longer ones are cut.
inline constexpr size_t kMaxZipEntryText = 1024;

// Decodes one line: the RFC 4648 alphabet, with "-" and "_" also accepted for
// "+" and "/", and "=" filling an incomplete last group. Characters outside
// the alphabet are skipped. Only complete groups of four are decoded, so a
// shorter remainder is dropped; the result is cut at `limit` bytes.
std::string DecodeBase64Line(std::string_view line, size_t limit = kMaxZipEntryText);

}  // namespace qm
