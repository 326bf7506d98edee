// Message boxes for native tests: they keep the texts they were asked to show, in order, and
// close at once, as if the user pressed OK straight away.
#pragma once

#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace pelmora::platform::fake {

class FakeMessageBoxes final : public MessageBoxes {
 public:
  void show_message(std::string_view text) noexcept override { messages_.emplace_back(text); }
  void show_error(std::string_view text) noexcept override { errors_.emplace_back(text); }

  const std::vector<std::string>& messages() const { return messages_; }
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  std::vector<std::string> messages_;
  std::vector<std::string> errors_;
};

}  // namespace pelmora::platform::fake
