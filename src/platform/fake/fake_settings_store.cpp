// The memory store's keys: each reads and writes its store's map and counts itself open.
#include "platform/fake/fake_settings_store.h"

namespace pelmora::platform::fake {

class FakeSettingsStore::Key final : public SettingsKey {
 public:
  Key(FakeSettingsStore& store, Path path) : store_(store), path_(std::move(path)) {
    ++store_.open_keys_;
    ++store_.opens_;
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() override { --store_.open_keys_; }

  std::optional<std::int32_t> read(std::string_view name) const override {
    const auto key = store_.keys_.find(path_);
    if (key == store_.keys_.end()) return std::nullopt;
    const auto value = key->second.find(name);
    if (value == key->second.end()) return std::nullopt;
    if (const auto* number = std::get_if<std::int32_t>(&value->second)) return *number;
    return std::nullopt;
  }

  bool write(std::string_view name, std::int32_t value) override {
    if (store_.writes_refused_) return false;
    store_.keys_[path_].insert_or_assign(std::string(name), value);
    store_.writes_.emplace_back(name);
    return true;
  }

 private:
  FakeSettingsStore& store_;
  Path path_;
};

std::unique_ptr<SettingsKey> FakeSettingsStore::open(SettingsRoot root, std::string_view path,
                                                     bool create) noexcept {
  if (refused_.contains(root)) return nullptr;
  Path key{root, std::string(path)};
  if (!keys_.contains(key)) {
    if (!create) return nullptr;
    keys_[key];
  }
  return std::make_unique<Key>(*this, std::move(key));
}

bool FakeSettingsStore::has_key(SettingsRoot root, std::string_view path) const {
  return keys_.contains({root, std::string(path)});
}

FakeSettingsStore::Values FakeSettingsStore::values(SettingsRoot root,
                                                    std::string_view path) const {
  const auto key = keys_.find({root, std::string(path)});
  return key == keys_.end() ? Values{} : key->second;
}

void FakeSettingsStore::put(SettingsRoot root, std::string_view path, std::string_view name,
                            Value value) {
  keys_[{root, std::string(path)}].insert_or_assign(std::string(name), std::move(value));
}

}  // namespace pelmora::platform::fake
