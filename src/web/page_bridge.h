// What the game asks of the page: the functions of page_library.js, the only code that touches the document.
#pragma once

#include <cstdint>

extern "C" {
// Puts a picture on the canvas: a word a pixel, its bytes in memory red, green, blue, alpha.
void jetvale_show_picture(const std::uint32_t* rgba, int width, int height);
// Offers a file of the in-memory file system as a download.
void jetvale_offer_download(const char* path, const char* downloadName);
}
