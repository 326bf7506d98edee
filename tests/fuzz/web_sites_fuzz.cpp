// The web sites file beside the program: whatever it holds, a site read from it is an http or
// https address with a host and nothing the shell could take for a program, a file or extra
// arguments; a line added at the end overrides, and a comment line changes nothing.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "update_notice/web_sites.h"

using namespace pelmora;

namespace {

bool starts_with_any_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

void check_site(const std::string& site, std::optional<std::string> url, std::string_view path) {
  if (site.empty()) {
    FUZZ_CHECK(!url);
    return;
  }
  const size_t scheme = starts_with_any_case(site, "http://")    ? 7
                        : starts_with_any_case(site, "https://") ? 8
                                                                 : 0;
  FUZZ_CHECK(scheme > 0 && site.size() > scheme && site[scheme] != '/' && site.back() != '/');
  for (char c : site) {
    FUZZ_CHECK(static_cast<unsigned char>(c) > ' ' && c != 0x7f && c != '?' && c != '#');
  }
  FUZZ_CHECK(url && *url == site + std::string(path));
}

void check_sites(const WebSites& sites) {
  check_site(sites.version_site, update_notice::version_file_url(sites),
             update_notice::kVersionFilePath);
  check_site(sites.forum_site, update_notice::forum_page_url(sites), update_notice::kForumPagePath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  const WebSites sites = update_notice::read_web_sites(file);
  check_sites(sites);

  const WebSites commented = update_notice::read_web_sites(file + "\n;ForumSite=http://a.test");
  FUZZ_CHECK(commented.version_site == sites.version_site);
  FUZZ_CHECK(commented.forum_site == sites.forum_site);
  const WebSites overridden =
      update_notice::read_web_sites(file + "\n versionsite = http://b.test/\n");
  FUZZ_CHECK(overridden.version_site == "http://b.test");
  FUZZ_CHECK(overridden.forum_site == sites.forum_site);
  return 0;
}
