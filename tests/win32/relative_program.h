// Test programs find the programs they start or inspect from their own place in the build tree,
// so they run from any working directory.
#pragma once

#include <windows.h>

#include <string>

namespace pelmora::win32_test {

// The full path of `relative` (a path from this program's folder, "/" or "\" separated).
inline std::wstring program_beside_this_one(const wchar_t* relative) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  path = path.substr(0, path.find_last_of(L"\\/") + 1) + relative;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

}  // namespace pelmora::win32_test
