// Text helpers for the program's single-byte text.
//
// All program text is held in std::string as Windows-1252 bytes. These helpers
// implement the program's own rules for numbers, trimming and upper-casing, and
// the conversion to and from UTF-8 used at the edges (settings files written as
// UTF-8, and the Qt boundary).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The program's text-to-number rule: skip leading spaces and tabs, take an
// optional "+" or "-", then "$" and hexadecimal digits, "%" and binary digits,
// or decimal digits, stopping at the first other character. No digits gives 0.
// The result is 64 bits wide; arithmetic wraps.
int64_t TextToNumber(std::string_view text);

// The same number narrowed to 32 bits, as it is stored in 32-bit fields.
int32_t TextToInt32(std::string_view text);

// The leading decimal integer: spaces skipped, an optional sign, then decimal
// digits up to the first other character; no digits gives 0. 64 bits wide;
// arithmetic wraps. (Settings values and record numbers are read so.)
int64_t LeadingDecimal(std::string_view text);

// Signed decimal with no leading zeros, spaces or separators.
std::string NumberToText(int64_t value);

// Removes the space character (byte 32) at both ends; tabs stay.
std::string TrimSpaces(std::string_view text);

// True when the text holds nothing but spaces (or nothing at all).
bool IsBlank(std::string_view text);

// Upper-casing of the Windows-1252 code page as Windows does it: a-z, the
// accented letters 0xE0-0xFE except 0xF7, and 0x9A, 0x9C, 0x9E, 0xFF map to
// their capitals; everything else (0xB5 and 0xDF among them) stays.
unsigned char UpperChar(unsigned char c);
std::string UpperCase(std::string_view text);

// Windows-1252 <-> UTF-8. Characters outside the code page become "?", and so
// do malformed UTF-8 sequences.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

}  // namespace qm
