// The web sites file beside the program, and the two addresses built from it: the version file
// and the forum page keep fixed paths; only the sites are configured.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::update_notice {

// Where the update notice looks for the newest version and where its links lead. Empty means
// none configured.
struct WebSites {
  std::string version_site;  // "http://host[:port]" with no trailing "/", or empty
  std::string forum_site;
};

inline constexpr std::string_view kWebSitesFileName = "pelmora-web.ini";
// A larger file is not read at all.
inline constexpr std::size_t kMaxWebSitesFileBytes = 16 * 1024;
inline constexpr std::string_view kVersionFilePath = "/products/pelmora_v.txt";
inline constexpr std::string_view kForumPagePath = "/viewtopic.php?f=14&t=50";

// Reads "VersionSite=..." and "ForumSite=..." lines (names in any case, blanks around names and
// values ignored, ";" and "#" start comment lines, the last of a repeated name wins). A site
// that is not "http://" or "https://" followed by a host is left out, so it can never
// become a program or file for the shell to open.
WebSites read_web_sites(std::string_view file_text);

// The address of the version file or the forum page; nothing when its site is not configured.
std::optional<std::string> version_file_url(const WebSites& sites);
std::optional<std::string> forum_page_url(const WebSites& sites);

}  // namespace pelmora::update_notice
