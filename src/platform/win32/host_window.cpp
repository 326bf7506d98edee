// The host window class. Its routing state lives on the heap, so moving the owner never
// invalidates the pointer the window keeps.
#include "platform/win32/host_window.h"

#include <stdexcept>

#include "platform/win32/notify_target.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_class.h"

namespace pelmora::platform::win32 {

namespace {
const wchar_t* host_class(WNDPROC proc) {
  static const wchar_t* const kClass =
      register_window_class({.name = L"Pelmora.Host",
                             .proc = proc,
                             .cursor = LoadCursorW(nullptr, IDC_ARROW),
                             .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
  return kClass;
}
}  // namespace

struct HostWindow::State {
  HWND hwnd = nullptr;
  bool quit_on_destroy = false;
  CommandHandler on_menu_command;
  Handler on_close;
  MessageHook hook;
};

HostWindow::HostWindow(const HostArgs& args) : state_(std::make_unique<State>()) {
  state_->quit_on_destroy = args.quit_on_destroy;
  const bool child = args.parent != nullptr;
  DWORD style = args.style;
  if (style == 0) style = child ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
  const Bounds& b = args.bounds;
  HMENU id = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : nullptr;
  CreateWindowExW(args.ex_style, host_class(&HostWindow::window_proc),
                  to_wide(args.caption).c_str(), style, b.left, b.top, b.width, b.height,
                  args.parent, id, GetModuleHandleW(nullptr), state_.get());
  if (!state_->hwnd) {
    throw std::runtime_error("cannot create host window (error " + std::to_string(GetLastError()) +
                             ")");
  }
}

HostWindow::HostWindow(HostWindow&& other) noexcept = default;

HostWindow& HostWindow::operator=(HostWindow&& other) noexcept {
  if (this != &other) {
    destroy();
    state_ = std::move(other.state_);
  }
  return *this;
}

HostWindow::~HostWindow() {
  destroy();
}

void HostWindow::destroy() {
  if (state_ && state_->hwnd) DestroyWindow(state_->hwnd);
  state_.reset();
}

HWND HostWindow::hwnd() const {
  return state_ ? state_->hwnd : nullptr;
}

void HostWindow::set_on_menu_command(CommandHandler handler) {
  state_->on_menu_command = std::move(handler);
}

void HostWindow::set_on_close(Handler handler) {
  state_->on_close = std::move(handler);
}

void HostWindow::set_message_hook(MessageHook hook) {
  state_->hook = std::move(hook);
}

LRESULT CALLBACK HostWindow::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* state = static_cast<State*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    state->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!state) return DefWindowProcW(hwnd, message, wparam, lparam);

  LRESULT result = 0;
  if (dispatch_child_message(message, wparam, lparam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      // A menu's command carries no control window and notification code 0.
      if (lparam == 0 && HIWORD(wparam) == 0 && state->on_menu_command) {
        state->on_menu_command(LOWORD(wparam));
        return 0;
      }
      break;
    case WM_CLOSE:
      if (state->on_close) {
        state->on_close();
        return 0;
      }
      break;
    case WM_DESTROY:
      if (state->quit_on_destroy) PostQuitMessage(0);
      break;
    case WM_NCDESTROY:
      state->hwnd = nullptr;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      return DefWindowProcW(hwnd, message, wparam, lparam);
    default:
      break;
  }
  if (state->hook && state->hook(message, wparam, lparam, &result)) return result;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::platform::win32
