// Where the update notice looks for the newest version and where its links lead: the two web
// sites configured beside the program (README, "Configuration"). Empty means none configured.
#pragma once

#include <string>

namespace pelmora::platform {

struct WebSites {
  std::string version_site;  // "http://host[:port]" with no trailing "/", or empty
  std::string forum_site;
};

}  // namespace pelmora::platform
