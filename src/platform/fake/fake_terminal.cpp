// The in-memory terminal window tree.
#include "platform/fake/fake_terminal.h"

#include <algorithm>
#include <stdexcept>

namespace pelmora::platform::fake {

namespace {
// Window handles step by 4, as real ones do, which also keeps them clear of the test value.
constexpr WindowRef kHandleStep = 4;

// The text cut to at most `max_chars` UTF-16 units at a character boundary, as the real window
// system counts them.
std::string cut_to_units(const std::string& text, int max_chars) {
  size_t end = 0;
  int units = 0;
  while (end < text.size()) {
    const auto lead = static_cast<unsigned char>(text[end]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const int needed = length == 4 ? 2 : 1;
    if (units + needed > std::max(max_chars, 0)) break;
    units += needed;
    end = std::min(end + length, text.size());
  }
  return text.substr(0, end);
}

}  // namespace

WindowRef FakeTerminal::add_window(WindowRef parent, std::string text, ScreenRect rect) {
  if (parent != kNoWindow) node(parent);  // a missing parent is a mistake in the test
  const WindowRef handle = next_handle_;
  next_handle_ += kHandleStep;
  Node& n = nodes_[handle];
  n.parent = parent;
  n.text = std::move(text);
  n.rect = rect;
  if (parent != kNoWindow) node(parent).children.push_back(handle);
  return handle;
}

void FakeTerminal::bring_to_front(WindowRef window) {
  const WindowRef parent = node(window).parent;
  if (parent == kNoWindow) return;
  auto& siblings = node(parent).children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), window));
  siblings.insert(siblings.begin(), window);
}

void FakeTerminal::set_text(WindowRef window, std::string text) {
  node(window).text = std::move(text);
}
void FakeTerminal::set_rect(WindowRef window, ScreenRect rect) {
  node(window).rect = rect;
}
void FakeTerminal::set_minimised(WindowRef window, bool minimised) {
  node(window).minimised = minimised;
}
void FakeTerminal::set_hidden(WindowRef window, bool hidden) {
  node(window).hidden = hidden;
}
void FakeTerminal::set_hung(WindowRef window, bool hung) {
  node(window).hung = hung;
}

void FakeTerminal::set_answers_own_text(WindowRef window, bool own) {
  node(window).own_text = own;
}
void FakeTerminal::set_on_click(WindowRef window, Handler handler) {
  node(window).on_click = std::move(handler);
}

void FakeTerminal::set_key_down(int virtual_key, bool down) {
  std::erase(keys_down_, virtual_key);
  if (down) keys_down_.push_back(virtual_key);
}

void FakeTerminal::destroy(WindowRef window) {
  node(window);
  destroy_now(window);
}

void FakeTerminal::destroy_before_call(WindowRef window, int calls) {
  pending_.push_back({window, calls_ + calls});
}

void FakeTerminal::clear_records() {
  clicks_.clear();
  posted_keys_.clear();
}

void FakeTerminal::note_call() const {
  ++calls_;
  for (auto it = pending_.begin(); it != pending_.end();) {
    if (it->at_call <= calls_) {
      destroy_now(it->window);
      it = pending_.erase(it);
    } else {
      ++it;
    }
  }
}

const FakeTerminal::Node* FakeTerminal::find(WindowRef window) const {
  const auto it = nodes_.find(window);
  return it == nodes_.end() ? nullptr : &it->second;
}

FakeTerminal::Node& FakeTerminal::node(WindowRef window) {
  const auto it = nodes_.find(window);
  if (it == nodes_.end()) throw std::out_of_range("no such fake window");
  return it->second;
}

void FakeTerminal::destroy_now(WindowRef window) const {
  const auto it = nodes_.find(window);
  if (it == nodes_.end()) return;
  const std::vector<WindowRef> children = it->second.children;
  for (WindowRef child : children) destroy_now(child);
  const WindowRef parent = it->second.parent;
  nodes_.erase(it);
  if (foreground_ == window) foreground_ = kNoWindow;
  if (const auto p = nodes_.find(parent); p != nodes_.end()) std::erase(p->second.children, window);
}

WindowRef FakeTerminal::sibling(WindowRef window, int step) const {
  const Node* n = find(window);
  if (!n || n->parent == kNoWindow) return kNoWindow;
  const auto& siblings = find(n->parent)->children;
  const auto at = std::find(siblings.begin(), siblings.end(), window) - siblings.begin();
  const auto wanted = at + step;
  if (wanted < 0 || wanted >= static_cast<long>(siblings.size())) return kNoWindow;
  return siblings[static_cast<size_t>(wanted)];
}

WindowRef FakeTerminal::parent(WindowRef window) const {
  note_call();
  const Node* n = find(window);
  return n ? n->parent : kNoWindow;
}

WindowRef FakeTerminal::previous_sibling(WindowRef window) const {
  note_call();
  return sibling(window, -1);
}

WindowRef FakeTerminal::next_sibling(WindowRef window) const {
  note_call();
  return sibling(window, +1);
}

WindowRef FakeTerminal::first_child(WindowRef window) const {
  note_call();
  const Node* n = find(window);
  return n && !n->children.empty() ? n->children.front() : kNoWindow;
}

std::optional<std::string> FakeTerminal::read_text(WindowRef window, int max_chars) const {
  note_call();
  const Node* n = find(window);
  if (!n) return std::string();
  if (n->hung) {
    ++unanswered_;
    return std::nullopt;
  }
  return cut_to_units(n->text, max_chars);
}

std::string FakeTerminal::kept_text(WindowRef window, int max_chars) const {
  note_call();
  const Node* n = find(window);
  if (!n || n->own_text) return std::string();
  return cut_to_units(n->text, max_chars);
}

bool FakeTerminal::is_minimised(WindowRef window) const {
  note_call();
  const Node* n = find(window);
  return n && n->minimised;
}

bool FakeTerminal::is_hidden(WindowRef window) const {
  note_call();
  const Node* n = find(window);
  return n && n->hidden;
}

ScreenRect FakeTerminal::rect(WindowRef window) const {
  note_call();
  const Node* n = find(window);
  return n ? n->rect : ScreenRect{};
}

WindowRef FakeTerminal::foreground() const {
  note_call();
  return foreground_;
}

WindowRef FakeTerminal::find_top_level(std::string_view caption) const {
  note_call();
  for (const auto& [handle, n] : nodes_) {
    if (n.parent == kNoWindow && n.text == caption) return handle;
  }
  return kNoWindow;
}

void FakeTerminal::click(WindowRef button) {
  note_call();
  Node* n = nodes_.contains(button) ? &nodes_.at(button) : nullptr;
  if (!n) return;
  if (n->hung) {
    ++unanswered_;
    return;
  }
  clicks_.push_back(button);
  const Handler handler = n->on_click;  // the handler may change the tree
  call_(handler);
}

void FakeTerminal::post_key(WindowRef window, int virtual_key) {
  note_call();
  if (!find(window)) return;  // keys to a missing window are lost
  posted_keys_.push_back({window, virtual_key});
}

bool FakeTerminal::key_down(int virtual_key) const {
  note_call();
  return std::find(keys_down_.begin(), keys_down_.end(), virtual_key) != keys_down_.end();
}

TerminalWindows::KeyState FakeTerminal::key_state(int virtual_key) {
  note_call();
  const bool down = key_down(virtual_key);
  const bool was_down = std::erase(noticed_, virtual_key) > 0;
  const bool tapped = std::erase(taps_, virtual_key) > 0;
  if (down) noticed_.push_back(virtual_key);
  return {.down = down, .pressed = tapped || (down && !was_down)};
}

bool FakeTerminal::exists(WindowRef window) const {
  note_call();
  return find(window) != nullptr;
}

}  // namespace pelmora::platform::fake
