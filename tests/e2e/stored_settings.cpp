// The key's path comes from the panel's own rule for it, applied to the program's path.
#include "stored_settings.h"

#include "settings/settings_key.h"

namespace pelmora::e2e {

namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

std::string utf8(const std::wstring& text) {
  std::string out(text.size() * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::wstring wide(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

HKEY open(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | kView, &key) == ERROR_SUCCESS ? key
                                                                                       : nullptr;
}

}  // namespace

StoredSettings::StoredSettings(const std::wstring& program)
    : path_(wide(settings::settings_key_path(settings::settings_key_suffix(utf8(program))))) {
  clear();
}

StoredSettings::~StoredSettings() {
  clear();
}

std::optional<DWORD> StoredSettings::value(const wchar_t* name) const {
  HKEY key = open(HKEY_LOCAL_MACHINE, path_);
  if (!key) key = open(HKEY_CURRENT_USER, path_);
  if (!key) return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG result =
      RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
  return value;
}

void StoredSettings::clear() const {
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), kView, 0);
  RegDeleteKeyExW(HKEY_CURRENT_USER, path_.c_str(), kView, 0);
}

}  // namespace pelmora::e2e
