// pelmora.exe as Explorer and installers see it: version 1.0.6 and its names in the version
// resource, and the manifest that turns on visual styles still beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "relative_program.h"

namespace pelmora {
namespace {

TEST(VersionResource, ThePanelProgramIsVersion106WithItsNamesAndManifest) {
  const std::wstring program = win32_test::program_beside_this_one(PELMORA_PROGRAM_RELATIVE);
  std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), nullptr));
  ASSERT_FALSE(info.empty()) << "no version resource in the panel program";
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(
      (std::vector<DWORD>{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                          fixed->dwProductVersionLS, fixed->dwFileType}),
      (std::vector<DWORD>{MAKELONG(0, 1), MAKELONG(0, 6), MAKELONG(0, 1), MAKELONG(0, 6),
                          VFT_APP}));
  for (const auto& [name, expected] : {std::pair{L"FileVersion", L"1.0.6"},
                                       {L"ProductVersion", L"1.0.6"},
                                       {L"ProductName", L"Pelmora"},
                                       {L"FileDescription", L"Pelmora trading panel"}}) {
    wchar_t* value = nullptr;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    EXPECT_TRUE(
        VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) &&
        value && std::wstring(value) == expected)
        << name;
  }
  const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr)
      << "the manifest is gone";
  FreeLibrary(image);
}

}  // namespace
}  // namespace pelmora
