// The web sites file: what counts as a site, the file's small syntax, and the two addresses.
#include "update_notice/web_sites.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmora::update_notice {
namespace {

TEST(WebSites, OnlyAnHttpOrHttpsSiteWithAHostIsTaken) {
  const struct {
    const char* value;
    const char* site;
  } cases[] = {
      {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
      {"https://forum.example.org/", "https://forum.example.org"},
      {"HTTP://downloads.example.org//", "HTTP://downloads.example.org"},
      {"http://example.org/pelmora", "http://example.org/pelmora"},
      {"  http://example.org  ", "http://example.org"},
      {"http://", ""},
      {"http:///products", ""},
      {"ftp://example.org", ""},
      {"file:///C:/Windows/notepad.exe", ""},
      {"C:\\Windows\\notepad.exe", ""},
      {"notepad", ""},
      {"example.org", ""},
      {"http://exa mple.org", ""},
      {"http://example.org?x=1", ""},
      {"http://example.org#top", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    const WebSites sites = read_web_sites(std::string("VersionSite=") + c.value);
    EXPECT_EQ(sites.version_site, c.site) << c.value;
    EXPECT_EQ(version_file_url(sites).has_value(), *c.site != '\0') << c.value;
    const WebSites forum = read_web_sites(std::string("ForumSite=") + c.value);
    EXPECT_EQ(forum_page_url(forum).has_value(), *c.site != '\0') << c.value;
  }
}

TEST(WebSites, TheFileIsNameValueLinesWithCommentsInAnyLineEnding) {
  const WebSites sites = read_web_sites(
      "\xEF\xBB\xBF; where the update notice looks\r\n"
      "# and where its links lead\r\n"
      "\r\n"
      "  versionsite = http://old.example.org\r\n"
      "Unknown=http://other.example.org\r\n"
      "VersionSite=http://127.0.0.1:8080\r\n"
      "no equals sign here\n"
      ";VersionSite=http://commented.example.org\n"
      "FORUMSITE=https://forum.example.org");
  EXPECT_EQ(sites.version_site, "http://127.0.0.1:8080");
  EXPECT_EQ(sites.forum_site, "https://forum.example.org");
  EXPECT_EQ(version_file_url(sites), "http://127.0.0.1:8080/products/pelmora_v.txt");
  EXPECT_EQ(forum_page_url(sites), "https://forum.example.org/viewtopic.php?f=14&t=50");
}

}  // namespace
}  // namespace pelmora::update_notice
