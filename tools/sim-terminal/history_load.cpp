// The worker owns nothing the window uses: it fills the result and posts one message when done;
// the window reads the progress's atomic counters on a timer.
#include "history_load.h"

#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "handles.h"
#include "log.h"
#include "platform/win32/wide.h"
#include "practice/number_text.h"
#include "run_files.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr wchar_t kLoadingClass[] = L"PelmoraSimLoading";
constexpr UINT kLoadedMessage = WM_APP + 1;
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressMs = 100;
constexpr int kShowAfterTicks = 3;  // a load done within 300 ms shows nothing

struct Loading {
  practice::ReadProgress progress;
  std::size_t size = 0;  // of the file, once read
  std::atomic<bool> read{false};
  practice::HistoryReading reading;
  std::wstring error;
  std::chrono::milliseconds took{};  // reading the file and its bars, on the worker
  HWND window = nullptr;
  HWND bar = nullptr;
  HWND text = nullptr;
  std::wstring name;  // of the file
  int ticks = 0;
  bool done = false;

  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_TIMER:
        if (++ticks >= kShowAfterTicks && !IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
        if (read && size > 0 && !progress.cancel) {
          const auto percent = progress.bytes * 100 / std::max<std::size_t>(size, 1);
          SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
          SetWindowTextW(text,
                         (L"Читается " + name + L": " + std::to_wstring(percent) + L"%").c_str());
        }
        return 0;
      case WM_CLOSE:
        progress.cancel = true;  // the reading ends soon with "cancelled"
        SetWindowTextW(text, L"Загрузка отменяется...");
        return 0;
      case kLoadedMessage:
        done = true;
        return 0;
      default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
  }
};

HWND make_window(HINSTANCE instance, Loading& loading, const std::wstring& name) {
  register_window_class(instance, kLoadingClass, object_proc<Loading, &Loading::message>,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  HWND window = CreateWindowExW(0, kLoadingClass, L"Терминал (подмена): загрузка истории",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 440, 120, nullptr, nullptr, instance, &loading);
  if (!window) return nullptr;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  loading.text = CreateWindowExW(0, WC_STATICW, (L"Читается " + name).c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_LEFT | SS_PATHELLIPSIS, 12, 10, 400, 18,
                                 window, nullptr, instance, nullptr);
  SendMessageW(loading.text, WM_SETFONT, font, FALSE);
  loading.bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 12, 36, 400, 20,
                                window, nullptr, instance, nullptr);
  return window;
}

}  // namespace

std::optional<practice::History> load_history_file(HINSTANCE instance,
                                                   const std::filesystem::path& file,
                                                   std::optional<int> digits, std::wstring* error) {
  Loading loading;
  loading.name = file.filename().wstring();
  UniqueWindow window(make_window(instance, loading, loading.name));
  loading.window = window.get();
  std::jthread worker([&loading, &file, digits] {
    std::wstring why;
    const auto started = std::chrono::steady_clock::now();
    if (const auto text = read_whole_file(file, &why)) {
      loading.size = text->size();
      loading.read = true;
      loading.reading = practice::read_history(*text, {digits, &loading.progress});
    } else {
      loading.error = why;
    }
    loading.took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    if (loading.window) PostMessageW(loading.window, kLoadedMessage, 0, 0);
  });
  if (window.get()) {
    SetTimer(window.get(), kProgressTimer, kProgressMs, nullptr);
    MSG message{};
    while (!loading.done && GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  worker.join();
  if (!loading.error.empty()) {
    *error = loading.error;
    return std::nullopt;
  }
  if (!loading.reading.ok()) {
    *error = file.wstring() + L": " + platform::win32::to_wide(loading.reading.error);
    return std::nullopt;
  }
  const auto bars = static_cast<long long>(loading.reading.history.bars.size());
  log_line(platform::win32::to_wide(practice::count_text(bars, "bar", "bars")) + L" read from " +
           file.wstring() + L" in " + std::to_wstring(loading.took.count()) + L" ms");
  return std::move(loading.reading.history);
}

}  // namespace pelmora::sim_terminal
