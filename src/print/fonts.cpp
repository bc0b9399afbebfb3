#include "print/fonts.h"

namespace qm {

int StyleFlags(const std::string& word) {
    int flags = 0;
    if (word.find("Bold") != std::string::npos) flags = kStyleBold;
    if (word.find("Italic") != std::string::npos) flags = kStyleItalic;
    if (word.find("Bold & Italic") != std::string::npos) flags = kStyleBold | kStyleItalic;
    return flags;
}

}  // namespace qm
