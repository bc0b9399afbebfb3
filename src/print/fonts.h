// Font style words and their flags.
#pragma once

#include <string>

namespace qm {

inline constexpr int kStyleBold = 256;
inline constexpr int kStyleItalic = 512;

// "Bold" anywhere in the word gives bold, "Italic" italic, "Bold & Italic"
// both (case-sensitive); anything else, "Underlined" and "None" among them,
// gives 0.
int StyleFlags(const std::string& styleWord);

}  // namespace qm
