// Plain Win32 file calls with wide paths, so that any folder name works whatever the code page.
#include "run_files.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <system_error>

#include "handles.h"
#include "platform/win32/wide.h"

namespace pelmora::sim_terminal {

namespace {

// The history reader takes no more; a larger file is refused before it fills the memory.
constexpr DWORD kMaxHistoryBytes = 256u << 20;

std::wstring stamp_now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t text[32] = {};
  swprintf(text, 32, L"%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
           now.wMinute, now.wSecond);
  return text;
}

UniqueKernelHandle open_file(const std::filesystem::path& file, DWORD access, DWORD creation) {
  HANDLE h = CreateFileW(file.c_str(), access, FILE_SHARE_READ, nullptr, creation,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::wstring file_error(const std::filesystem::path& file, DWORD code) {
  return file.wstring() + L": " + system_error_text(code);
}

}  // namespace

std::filesystem::path program_folder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD n = 0;
  while ((n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(n);
  return std::filesystem::path(path).parent_path();
}

std::filesystem::path files_folder(const std::wstring& given) {
  if (!given.empty()) return given;
  PWSTR documents = nullptr;
  std::filesystem::path folder = program_folder() / L"journal";
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &documents))) {
    folder = std::filesystem::path(documents) / L"Pelmora" / L"practice";
  }
  CoTaskMemFree(documents);
  return folder;
}

std::wstring folder_for_people(const std::filesystem::path& folder) {
  // Only Wine has this; on Windows the folder's own path is the whole answer.
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unix_name = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  char* host = unix_name ? unix_name(folder.c_str()) : nullptr;
  std::wstring text = folder.wstring();
  if (host) {
    text += L" (on this machine: " + platform::win32::to_wide(host) + L")";
    HeapFree(GetProcessHeap(), 0, host);
  }
  return text;
}

RunFiles run_files(const std::filesystem::path& folder) {
  std::error_code ignored;  // a folder that cannot be made shows when the journal opens its file
  std::filesystem::create_directories(folder, ignored);
  const std::wstring stamp = stamp_now();
  for (int n = 1;; ++n) {
    const std::wstring suffix = n == 1 ? stamp : stamp + L"-" + std::to_wstring(n);
    RunFiles files{folder / (L"journal-" + suffix + L".log"),
                   folder / (L"trades-" + suffix + L".csv"),
                   folder / (L"curve-" + suffix + L".png")};
    if (!std::filesystem::exists(files.log, ignored) &&
        !std::filesystem::exists(files.trades, ignored) &&
        !std::filesystem::exists(files.curve, ignored)) {
      return files;
    }
  }
}

std::optional<std::string> read_whole_file(const std::filesystem::path& file, std::wstring* error) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    *error = file.wstring() + L": this is a folder; give a history file (.csv) in it";
    return std::nullopt;
  }
  const UniqueKernelHandle h = open_file(file, GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER size{};
  if (!h.get() || !GetFileSizeEx(h.get(), &size)) {
    *error = file_error(file, GetLastError());
    return std::nullopt;
  }
  if (size.QuadPart > kMaxHistoryBytes) {
    *error = file.wstring() + L": the file is larger than 256 MB";
    return std::nullopt;
  }
  std::string text(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(h.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) {
    *error = file_error(file, GetLastError());
    return std::nullopt;
  }
  text.resize(read);
  return text;
}

bool write_whole_file(const std::filesystem::path& file, std::string_view text,
                      std::wstring* error) {
  const UniqueKernelHandle h = open_file(file, GENERIC_WRITE, CREATE_ALWAYS);
  DWORD written = 0;
  if (!h.get() ||
      !WriteFile(h.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    *error = file_error(file, GetLastError());
    return false;
  }
  return true;
}

std::wstring system_error_text(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::wstring text = n ? std::wstring(buffer, n) : L"error " + std::to_wstring(code);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) {
    text.pop_back();
  }
  return text;
}

}  // namespace pelmora::sim_terminal
