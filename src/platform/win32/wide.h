// UTF-8 inside, UTF-16 at the Win32 edge: the two conversions every wrapper uses.
#pragma once

#include <string>
#include <string_view>

namespace pelmora::platform::win32 {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);

}  // namespace pelmora::platform::win32
