// The sender logo: the picture shown in the logo box and printed beside the
// sender block. Without a logo the box shows the placeholder picture, which
// is never printed.
#pragma once

#include <string>

#include "platform/picture.h"

namespace qm {

struct LogoState {
    platform::Picture picture;  // resized to 100 pixels wide; empty when the file did not decode
    float aspect = 0;           // height / width of the file's picture
    bool present = false;       // whether printing draws the logo
};

const LogoState& Logo();

// StartFolder + "/NoImage.bmp".
std::string PlaceholderPath();

// Loads the book's stored logo, or the placeholder when there is none, and
// shows it in the window's logo box.
void LoadStoredLogo(int window);

// Asks for a new logo file and loads it; a cancel removes the logo, and a
// file of another kind is refused with a message. The caller then saves the
// book settings, which store the choice.
void ChangeLogo(int window);

}  // namespace qm
