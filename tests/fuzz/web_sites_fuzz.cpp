// The web sites file beside the program: whatever it holds, a site read from it is an http or
// https address with a host and nothing the shell could take for a program, a file or extra
// arguments; a line added at the end overrides, and a comment line changes nothing.
#include <cctype>
#include <string>

#include "fuzz_check.h"
#include "update_notice/web_sites.h"

using namespace pelmora::update_notice;

namespace {

void check_site(const std::string& site, std::optional<std::string> url, std::string_view path) {
  FUZZ_CHECK(url.has_value() != site.empty());
  if (site.empty()) return;
  std::string scheme = site.substr(0, 8);
  for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t host = scheme.starts_with("http://") ? 7 : scheme.starts_with("https://") ? 8 : 0;
  FUZZ_CHECK(host > 0 && site.size() > host && site[host] != '/' && site.back() != '/');
  for (char c : site) {
    FUZZ_CHECK(static_cast<unsigned char>(c) > ' ' && c != 0x7f && c != '?' && c != '#');
  }
  FUZZ_CHECK(*url == site + std::string(path));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file(pelmora::fuzz::text_of(data, size));
  const WebSites sites = read_web_sites(file);
  check_site(sites.version_site, version_file_url(sites), kVersionFilePath);
  check_site(sites.forum_site, forum_page_url(sites), kForumPagePath);
  const WebSites commented = read_web_sites(file + "\n;ForumSite=http://a.test");
  FUZZ_CHECK(commented.version_site == sites.version_site);
  FUZZ_CHECK(commented.forum_site == sites.forum_site);
  const WebSites overridden = read_web_sites(file + "\n versionsite = http://b.test/\n");
  FUZZ_CHECK(overridden.version_site == "http://b.test");
  FUZZ_CHECK(overridden.forum_site == sites.forum_site);
  return 0;
}
