// The terminal-window contract backend over the fake tree (native test program only).
#ifndef _WIN32

#include <algorithm>
#include <map>
#include <string>

#include "contract/terminal_backend.h"
#include "platform/fake/fake_terminal.h"

namespace pelmora::contract {
namespace {

using platform::WindowRef;

class FakeTerminalBackend final : public TerminalBackend {
 public:
  platform::TerminalWindows& windows() override { return terminal_; }
  WindowRef add_window(WindowRef parent, std::string_view text,
                       platform::ScreenRect rect) override {
    const WindowRef window = terminal_.add_window(parent, std::string(text), rect);
    terminal_.set_on_click(window, [this, window] { ++clicks_[window]; });
    return window;
  }
  void destroy(WindowRef window) override { terminal_.destroy(window); }
  void bring_to_front(WindowRef window) override { terminal_.bring_to_front(window); }
  void set_hidden(WindowRef window, bool hidden) override { terminal_.set_hidden(window, hidden); }
  void set_minimised(WindowRef window, bool minimised) override {
    terminal_.set_minimised(window, minimised);
  }
  WindowRef add_hung_window(std::string_view text, std::string_view child_text) override {
    const WindowRef window = add_window(platform::kNoWindow, text, {});
    const WindowRef child = add_window(window, child_text, {});
    terminal_.set_hung(window, true);
    terminal_.set_hung(child, true);
    return window;
  }
  int clicks(WindowRef window) override { return clicks_[window]; }
  std::vector<int> key_presses(WindowRef window) override {
    std::vector<int> keys;
    for (const auto& key : terminal_.posted_keys()) {
      if (key.window == window) keys.push_back(key.virtual_key);
    }
    return keys;
  }

 private:
  platform::fake::FakeTerminal terminal_;
  std::map<WindowRef, int> clicks_;
};

}  // namespace

std::unique_ptr<TerminalBackend> make_terminal_backend() {
  return std::make_unique<FakeTerminalBackend>();
}

}  // namespace pelmora::contract

#endif  // _WIN32
