// The web sites file beside the program, and the two addresses built from it: the version file
// and the forum page keep fixed paths; only the sites are configured.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/web_sites.h"

namespace pelmora::shell {

inline constexpr std::string_view kWebSitesFileName = "pelmora-web.ini";
inline constexpr std::string_view kVersionFilePath = "/products/pelmora_v.txt";
inline constexpr std::string_view kForumPagePath = "/viewtopic.php?f=14&t=50";

// Reads "VersionSite=..." and "ForumSite=..." lines (names in any case, blanks around names and
// values ignored, ";" and "#" start comment lines, the last of a repeated name wins). A site
// that is not "http://" or "https://" followed by a host is left out, so it can never
// become a program or file for the shell to open.
platform::WebSites read_web_sites(std::string_view file_text);

// The address of the version file or the forum page; nothing when its site is not configured.
std::optional<std::string> version_file_url(const platform::WebSites& sites);
std::optional<std::string> forum_page_url(const platform::WebSites& sites);

}  // namespace pelmora::shell
