// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace xal::gui {

// One of the program's pictures as the build rendered it from pictures/NAME.svg, in a
// square of `side` pixels: rows of 8-bit red, green, blue and alpha, top row first.
struct RenderedPicture {
    const char* name;
    int side;
    const unsigned char* rgba;
};

// Every picture at every size, each picture's sizes together, smallest first.
std::span<const RenderedPicture> RenderedPictures();

}  // namespace xal::gui
