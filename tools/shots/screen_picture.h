// Saving pictures for review as 24-bit BMP files: a part of the screen, or whatever a drawing
// function paints on a memory picture.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pelmora::win32_test {

// Saves what `draw(memory, screen)` paints on a width x height picture; false on failure.
bool save_picture(int width, int height, const std::string& path,
                  const std::function<void(HDC memory, HDC screen)>& draw);

// Saves the screen's pixels inside `rect` (screen coordinates); false on failure.
bool save_screen(const RECT& rect, const std::string& path);

}  // namespace pelmora::win32_test
