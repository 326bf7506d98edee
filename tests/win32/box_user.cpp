// The box watcher: FindWindow on the dialog class "#32770", then the box's own children.
#include "box_user.h"

namespace pelmora::win32_test {

namespace {
constexpr int kMessageTextId = 0xFFFF;  // the fixed identifier of a message box's text

BOOL CALLBACK count_child(HWND child, LPARAM out) {
  auto* seen = reinterpret_cast<SeenBox*>(out);
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  // The system's box may keep a hidden, empty icon control when it shows none.
  if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
      IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
    seen->icon = true;
  }
  if (lstrcmpiW(cls, L"Button") == 0 && IsWindowVisible(child)) ++seen->buttons;
  return TRUE;
}
}  // namespace

BoxUser::BoxUser(std::wstring title) : title_(std::move(title)), thread_([this] { watch(); }) {}

BoxUser::~BoxUser() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::optional<SeenBox> BoxUser::seen() {
  if (thread_.joinable()) thread_.join();
  return seen_;
}

std::optional<SeenBox> BoxUser::stop() {
  stop_ = true;
  return seen();
}

void BoxUser::watch() {
  for (int i = 0; i < 1000 && !stop_; ++i) {
    if (HWND box = FindWindowW(L"#32770", title_.c_str())) {
      Sleep(50);  // let it finish painting, as a person would
      SeenBox seen;
      wchar_t text[400] = {};
      GetDlgItemTextW(box, kMessageTextId, text, 400);
      seen.text = text;
      EnumChildWindows(box, count_child, reinterpret_cast<LPARAM>(&seen));
      seen_ = seen;
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(10);
  }
}

}  // namespace pelmora::win32_test
