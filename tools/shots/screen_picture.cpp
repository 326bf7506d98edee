// A bottom-up DIB section is exactly the pixel layout of a BMP file, so its bits are written
// as they stand behind the two headers.
#include "screen_picture.h"

#include <cstdio>

namespace pelmora::win32_test {

bool save_picture(int width, int height, const std::string& path,
                  const std::function<void(HDC memory, HDC screen)>& draw) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, picture);
  draw(memory, screen);
  GdiFlush();
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD size = row * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  bool ok = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    ok = bits && std::fwrite(&file, sizeof(file), 1, out) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
         std::fwrite(bits, 1, size, out) == size;
    ok = std::fclose(out) == 0 && ok;
  }
  SelectObject(memory, previous);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool save_screen(const RECT& r, const std::string& path) {
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  return save_picture(width, height, path, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  });
}

}  // namespace pelmora::win32_test
