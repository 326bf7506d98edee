// pelmora.exe as Explorer and installers see it: version 1.0.6 and its names in the version
// resource, and the manifest that turns on visual styles still beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "relative_program.h"

namespace pelmora {
namespace {

std::wstring string_value(std::vector<char>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return L"(none)";
  return static_cast<const wchar_t*>(value);
}

TEST(VersionResource, ThePanelProgramIsVersion106WithItsNamesAndManifest) {
  const std::wstring program = win32_test::program_beside_this_one(PELMORA_PROGRAM_RELATIVE);
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
  ASSERT_NE(size, 0u) << "no version resource in the panel program";
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 6));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 6));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(string_value(info, L"FileVersion"), L"1.0.6");
  EXPECT_EQ(string_value(info, L"ProductVersion"), L"1.0.6");
  EXPECT_EQ(string_value(info, L"ProductName"), L"Pelmora");
  EXPECT_EQ(string_value(info, L"FileDescription"), L"Pelmora trading panel");

  const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(image, nullptr);
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr)
      << "the manifest is gone";
  FreeLibrary(image);
}

}  // namespace
}  // namespace pelmora
