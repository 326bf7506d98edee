// Real user input for the end-to-end tests: the mouse and keyboard through SendInput, so that the
// panel gets the same messages, focus and activation changes as under a user's hand.
#pragma once

#include <windows.h>

#include <chrono>

namespace pelmora::e2e::input {

// The middle of a window's screen rectangle.
POINT centre_of(HWND window);
// A point inside a window's screen rectangle, at fractions of its width and height.
POINT point_in(HWND window, double x, double y);

// Moves the cursor to `point` (screen pixels); false when it could not be put exactly there.
bool move_to(POINT point);
// Moves there, then presses and releases the left or right button; false when the move failed.
bool click(POINT point);
bool right_click(POINT point);
// Presses or releases the left button where the cursor stands (for callers that time a release).
void left_button(bool down);
// Clicks the middle of `control` until `window` holds the keyboard; every repeat is printed with
// the window that held the keyboard instead.
bool click_until_foreground(HWND control, HWND window);
// Presses a key, holds it for `hold`, and releases it.
void press_key(WORD virtual_key, std::chrono::milliseconds hold = std::chrono::milliseconds(30));
// The same with a modifier (VK_SHIFT, VK_CONTROL) held round it.
void press_chord(WORD modifier, WORD virtual_key,
                 std::chrono::milliseconds hold = std::chrono::milliseconds(30));

}  // namespace pelmora::e2e::input
