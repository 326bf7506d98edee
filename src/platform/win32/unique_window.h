// Move-only owner of a window we created: the window is destroyed once, when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace pelmora::platform::win32 {

class UniqueWindow {
 public:
  UniqueWindow() = default;
  explicit UniqueWindow(HWND hwnd) : hwnd_(hwnd) {}
  UniqueWindow(UniqueWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
  UniqueWindow& operator=(UniqueWindow&& other) noexcept {
    if (this != &other) {
      reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
  }
  UniqueWindow(const UniqueWindow&) = delete;
  UniqueWindow& operator=(const UniqueWindow&) = delete;
  ~UniqueWindow() { reset(); }

  HWND get() const { return hwnd_; }
  void reset() {
    if (hwnd_) DestroyWindow(std::exchange(hwnd_, nullptr));
  }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace pelmora::platform::win32
