// The panel's stored settings read from outside the panel: the registry key of the folder the
// panel runs from, under the machine root in the 32-bit view, or under the current user where
// the machine root refused it. The key is deleted under both roots when this is made and when
// it goes, so that neither an earlier run nor this one leaves choices behind.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace pelmora::e2e {

class StoredSettings {
 public:
  // `program` is the full path of the panel program whose key this is.
  explicit StoredSettings(const std::wstring& program);
  StoredSettings(const StoredSettings&) = delete;
  StoredSettings& operator=(const StoredSettings&) = delete;
  ~StoredSettings();

  // A REG_DWORD value; nothing when the key or the value is missing or of another type.
  std::optional<DWORD> value(const wchar_t* name) const;

 private:
  void clear() const;

  std::wstring path_;
};

}  // namespace pelmora::e2e
