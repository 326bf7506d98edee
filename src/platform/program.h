// The program as the core sees it: its first command-line parameter, the path of its program
// file and the request to end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::platform {

class Program {
 public:
  virtual ~Program() = default;
  // The first command-line parameter as UTF-8 text, unchanged; empty when there is none.
  virtual std::string first_parameter() const = 0;
  // The full path of the running program file as UTF-8 text; empty when it cannot be had.
  virtual std::string program_path() const = 0;
  // The whole content of the file `name` in the program file's folder; nothing when it is
  // missing, unreadable or longer than `max_bytes`.
  virtual std::optional<std::string> read_file_beside(std::string_view name,
                                                      std::size_t max_bytes) const noexcept = 0;
  // Asks the application to end: the message loop stops the next time it runs and the form is
  // then destroyed normally. Handlers already running finish first. Asking twice is harmless.
  virtual void quit() = 0;
};

}  // namespace pelmora::platform
