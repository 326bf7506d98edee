// PNG files of the pictures the tester saves (the equity curve): 8-bit RGB, each row filtered
// as PNG allows and compressed with deflate's fixed codes and runs of repeated bytes, which
// suits charts of flat colours and needs no compression library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora::practice {

// The whole file for a picture of `width` x `height` pixels given as 0xRRGGBB, rows top first
// (width * height values; both sizes above 0).
std::string png_file(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace pelmora::practice
