// HTTP on Windows: each GET runs on a worker thread of its own and its answer is posted to the
// user-interface thread, so a slow or silent server never holds the panel.
#pragma once

#include <memory>

#include "platform/http.h"
#include "platform/ui_thread.h"
#include "platform/win32/http_fetch.h"

namespace pelmora::platform::win32 {

class Win32Http final : public Http {
 public:
  // `ui` receives the answers and must outlive this object; `limits` bound every request.
  explicit Win32Http(UiThread& ui, HttpLimits limits = {});
  Win32Http(const Win32Http&) = delete;
  Win32Http& operator=(const Win32Http&) = delete;
  // Answers of requests still running are dropped; their workers end within the time bound.
  ~Win32Http() override;

  HttpTicket get(const std::string& url, Done done) noexcept override;

 private:
  struct Outlet;
  std::shared_ptr<Outlet> outlet_;
  HttpLimits limits_;
};

}  // namespace pelmora::platform::win32
