// Proves the Wine test set-up: a real top-level window can be created and named.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Win32Smoke, CreatesANamedTopLevelWindow) {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"Pelmora smoke", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(FindWindowW(nullptr, L"Pelmora smoke"), hwnd);
  DestroyWindow(hwnd);
}
