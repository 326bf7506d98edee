// The settings store in memory, for native tests: keys by root and path, values that are
// numbers or (to stand for another type) text. A test can make a root refuse full access, as
// the machine root does for a user without administrator rights, and can watch the keys open.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/settings_store.h"

namespace pelmora::platform::fake {

class FakeSettingsStore final : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string>;
  using Values = std::map<std::string, Value, std::less<>>;

  std::unique_ptr<SettingsKey> open(SettingsRoot root, std::string_view path,
                                    bool create) noexcept override;

  // Whether a key exists, and its values (empty when it does not).
  bool has_key(SettingsRoot root, std::string_view path) const;
  Values values(SettingsRoot root, std::string_view path) const;
  // Stores a value directly, creating the key.
  void put(SettingsRoot root, std::string_view path, std::string_view name, Value value);
  // A refusing root opens nothing, existing or not, with or without creating.
  void refuse(SettingsRoot root) { refused_.insert(root); }
  // Open keys refuse every write from now on.
  void refuse_writes() { writes_refused_ = true; }
  // Keys open right now, and how many were ever opened.
  int open_keys() const { return open_keys_; }
  int opens() const { return opens_; }
  // The names written, in order, over all keys.
  const std::vector<std::string>& writes() const { return writes_; }

 private:
  class Key;
  using Path = std::pair<SettingsRoot, std::string>;

  std::map<Path, Values> keys_;
  std::set<SettingsRoot> refused_;
  bool writes_refused_ = false;
  int open_keys_ = 0;
  int opens_ = 0;
  std::vector<std::string> writes_;
};

}  // namespace pelmora::platform::fake
