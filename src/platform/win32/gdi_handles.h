// Move-only owners of the GDI objects we create (fonts, brushes, pens, regions, bitmaps) and of
// icons: each is deleted once, when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace pelmora::platform::win32 {

template <typename Handle, BOOL(WINAPI* kDelete)(Handle)>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return h_; }
  // Gives the handle away (for instance a region handed to SetWindowRgn).
  Handle release() { return std::exchange(h_, nullptr); }
  void reset() {
    if (h_) kDelete(std::exchange(h_, nullptr));
  }

 private:
  Handle h_ = nullptr;
};

inline BOOL WINAPI delete_font(HFONT h) {
  return DeleteObject(h);
}
inline BOOL WINAPI delete_brush(HBRUSH h) {
  return DeleteObject(h);
}
inline BOOL WINAPI delete_pen(HPEN h) {
  return DeleteObject(h);
}
inline BOOL WINAPI delete_region(HRGN h) {
  return DeleteObject(h);
}
inline BOOL WINAPI delete_bitmap(HBITMAP h) {
  return DeleteObject(h);
}
inline BOOL WINAPI delete_dc(HDC h) {
  return DeleteDC(h);
}

using UniqueFont = UniqueHandle<HFONT, delete_font>;
using UniqueBrush = UniqueHandle<HBRUSH, delete_brush>;
using UniquePen = UniqueHandle<HPEN, delete_pen>;
using UniqueRegion = UniqueHandle<HRGN, delete_region>;
using UniqueBitmap = UniqueHandle<HBITMAP, delete_bitmap>;
using UniqueDc = UniqueHandle<HDC, delete_dc>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;

// Selects an object into a DC for one scope and puts the previous one back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An off-screen picture of a window's client area, copied to the window's DC when it goes, so
// painting never flickers.
class BufferedPaint {
 public:
  BufferedPaint(HDC target, int width, int height);
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  ~BufferedPaint();
  HDC dc() const { return memory_.get(); }

 private:
  HDC target_;
  int width_;
  int height_;
  UniqueDc memory_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace pelmora::platform::win32
