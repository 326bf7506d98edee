// Reads the web sites file from the program's own folder at start.
#pragma once

#include "platform/web_sites.h"

namespace pelmora::platform::win32 {

// The sites configured in the file beside the running program; none when the file is missing,
// unreadable or larger than a few kilobytes. Never throws.
WebSites load_web_sites() noexcept;

}  // namespace pelmora::platform::win32
