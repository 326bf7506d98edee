// Workers are detached rather than joined: joining would hold the program's exit for as long as
// a silent server keeps a request open. A worker reaches the UI thread only through the outlet,
// which this object cuts off when it goes.
#include "platform/win32/http.h"

#include <mutex>
#include <string>
#include <thread>

namespace pelmora::platform::win32 {

struct Win32Http::Outlet {
  std::mutex mutex;
  UiThread* ui;  // null once the Win32Http is gone

  // Posts `done(result)` to the UI thread, where it runs only while the ticket still wants it.
  void deliver(std::shared_ptr<bool> wanted, Done done, Result result) {
    std::lock_guard lock(mutex);
    if (!ui) return;
    ui->post([wanted = std::move(wanted), done = std::move(done), result = std::move(result)] {
      if (*wanted) done(result);
    });
  }
};

Win32Http::Win32Http(UiThread& ui, HttpLimits limits)
    : outlet_(std::make_shared<Outlet>()), limits_(limits) {
  outlet_->ui = &ui;
}

Win32Http::~Win32Http() {
  std::lock_guard lock(outlet_->mutex);
  outlet_->ui = nullptr;
}

HttpTicket Win32Http::get(const std::string& url, Done done) noexcept {
  auto wanted = std::make_shared<bool>(true);
  try {
    std::thread([outlet = outlet_, url, limits = limits_, wanted, done]() mutable {
      outlet->deliver(std::move(wanted), std::move(done), fetch(url, limits));
    }).detach();
  } catch (...) {
    outlet_->deliver(wanted, std::move(done), std::nullopt);  // no thread to be had: a failure
  }
  return HttpTicket(wanted);
}

}  // namespace pelmora::platform::win32
