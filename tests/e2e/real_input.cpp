// Absolute mouse coordinates are normalised over the primary screen, and under Wine the cursor
// can land one pixel off the asked point: each move is read back and corrected before a click.
#include "real_input.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace pelmora::e2e::input {

namespace {

using namespace std::chrono_literals;

// Screen pixel to the 0..65535 range, rounded up so that the pixel itself is hit.
LONG normalised(LONG pixel, int screen_size) {
  return static_cast<LONG>((pixel * 65536LL + screen_size - 1) / screen_size);
}

void send_mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT event{};
  event.type = INPUT_MOUSE;
  event.mi.dx = dx;
  event.mi.dy = dy;
  event.mi.dwFlags = flags;
  SendInput(1, &event, sizeof event);
}

void send_key(WORD virtual_key, bool up) {
  INPUT event{};
  event.type = INPUT_KEYBOARD;
  event.ki.wVk = virtual_key;
  event.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  event.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &event, sizeof event);
}

bool press_at(POINT point, DWORD down, DWORD up) {
  if (!move_to(point)) return false;
  send_mouse(down);
  std::this_thread::sleep_for(20ms);
  send_mouse(up);
  std::this_thread::sleep_for(20ms);
  return true;
}

}  // namespace

POINT centre_of(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT point_in(HWND window, double x, double y) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left + static_cast<LONG>((r.right - r.left) * x),
          r.top + static_cast<LONG>((r.bottom - r.top) * y)};
}

bool move_to(POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const auto close_by = [&](POINT p) {
    return labs(p.x - point.x) <= 3 && labs(p.y - point.y) <= 3;
  };
  POINT aim = point;
  for (int attempt = 0; attempt < 6; ++attempt) {
    send_mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(aim.x, width),
               normalised(aim.y, height));
    // On a loaded machine the cursor may arrive late: correcting by where it still was would
    // throw the next move far off, so only a cursor that arrived nearby is corrected.
    POINT landed{};
    for (int look = 0; look < 30; ++look) {
      std::this_thread::sleep_for(10ms);
      GetCursorPos(&landed);
      if (landed.x == point.x && landed.y == point.y) return true;
      if (close_by(landed)) break;
    }
    if (close_by(landed)) {
      aim.x += point.x - landed.x;
      aim.y += point.y - landed.y;
    }
  }
  return false;
}

bool click(POINT point) {
  return press_at(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

bool right_click(POINT point) {
  return press_at(point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

bool click_until_foreground(HWND control, HWND window) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (attempt > 0) {
      wchar_t holder[64] = L"";
      GetClassNameW(GetForegroundWindow(), holder, 64);
      std::printf("repeated a click to give the panel the keyboard: %ls holds it\n", holder);
    }
    if (!click(centre_of(control))) return false;
    std::this_thread::sleep_for(400ms);  // past the moment another window might take it back
    if (GetForegroundWindow() == window) return true;
  }
  return false;
}

void left_button(bool down) {
  send_mouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

void press_key(WORD virtual_key, std::chrono::milliseconds hold) {
  send_key(virtual_key, false);
  std::this_thread::sleep_for(hold);
  send_key(virtual_key, true);
  std::this_thread::sleep_for(20ms);
}

void press_chord(WORD modifier, WORD virtual_key, std::chrono::milliseconds hold) {
  send_key(modifier, false);
  std::this_thread::sleep_for(20ms);
  press_key(virtual_key, hold);
  send_key(modifier, true);
  std::this_thread::sleep_for(20ms);
}

}  // namespace pelmora::e2e::input
