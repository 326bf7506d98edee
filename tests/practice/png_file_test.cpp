// The PNG writer, read back by an independent decoder (ImageMagick's, which the build installs).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "png_file.h"

namespace pelmora::practice {
namespace {

TEST(PngFile, ReadsBackAsTheSamePixels) {
#ifdef _WIN32
  GTEST_SKIP() << "read back natively";
#else
  // Rows of one colour (runs longer than one match), a lone pixel, a row like the one above.
  const int width = 100, height = 6;
  std::vector<std::uint32_t> pixels(width * height, 0x121418);
  pixels[2 * width + 3] = 0xFF0000;
  for (int x = 0; x < width; ++x) pixels[4 * width + x] = pixels[5 * width + x] = 0x20C040 + x;
  const auto file = std::filesystem::temp_directory_path() / "pelmora-png-test.png";
  std::ofstream(file, std::ios::binary) << png_file(width, height, pixels);
  FILE* pipe = popen(("convert '" + file.string() + "' -depth 8 rgb:- 2>/dev/null").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string rgb;
  for (int c; (c = std::fgetc(pipe)) != EOF;) rgb += static_cast<char>(c);
  pclose(pipe);
  std::filesystem::remove(file);
  std::string expected;
  for (std::uint32_t p : pixels) {
    for (int shift : {16, 8, 0}) expected += static_cast<char>(p >> shift);
  }
  EXPECT_TRUE(rgb == expected) << rgb.size() << " bytes read back";
#endif
}

}  // namespace
}  // namespace pelmora::practice
