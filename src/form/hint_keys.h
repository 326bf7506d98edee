// The shortcut keys the hints show: each control's key text, put in parentheses after the
// control's own hint text wherever that is written.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace pelmora::form {

class HintKeys {
 public:
  // The key text of the named control; empty: none.
  void set(std::string_view control, std::string key_text) {
    keys_.insert_or_assign(std::string(control), std::move(key_text));
  }
  // `text` followed by the control's key in parentheses; `text` alone when it has none.
  std::string hint(std::string_view control, std::string_view text) const {
    auto it = keys_.find(control);
    if (it == keys_.end() || it->second.empty()) return std::string(text);
    if (text.empty()) return "(" + it->second + ")";
    return std::string(text) + " (" + it->second + ")";
  }

 private:
  std::map<std::string, std::string, std::less<>> keys_;
};

}  // namespace pelmora::form
