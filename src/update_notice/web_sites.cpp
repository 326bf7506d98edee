// Reading the web sites file: a few "name=value" lines, nothing more.
#include "update_notice/web_sites.h"

#include <algorithm>
#include <cctype>

namespace pelmora::update_notice {

namespace {

std::string_view trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The site with its trailing "/" dropped, or empty when it is no http(s) site: a blank, a
// control character, a query or a fragment inside, or no host after the scheme.
std::string site_or_empty(std::string_view value) {
  std::string_view rest;
  for (std::string_view scheme : {"http://", "https://"}) {
    if (value.size() > scheme.size() && same_name(value.substr(0, scheme.size()), scheme)) {
      rest = value.substr(scheme.size());
    }
  }
  const bool bad_char = std::any_of(rest.begin(), rest.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == 0x7f || c == '?' || c == '#';
  });
  if (rest.empty() || rest.front() == '/' || bad_char) return {};
  while (value.back() == '/') value.remove_suffix(1);
  return std::string(value);
}

std::optional<std::string> url_of(const std::string& site, std::string_view path) {
  if (site.empty()) return std::nullopt;
  return site + std::string(path);
}

}  // namespace

WebSites read_web_sites(std::string_view file_text) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (file_text.starts_with(kBom)) file_text.remove_prefix(kBom.size());
  WebSites sites;
  while (!file_text.empty()) {
    const size_t end = std::min(file_text.find('\n'), file_text.size());
    const std::string_view line = trim(file_text.substr(0, end));
    file_text.remove_prefix(std::min(end + 1, file_text.size()));
    const size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '#' || equals == line.npos) {
      continue;
    }
    const std::string_view name = trim(line.substr(0, equals));
    const std::string value = site_or_empty(trim(line.substr(equals + 1)));
    if (same_name(name, "VersionSite")) sites.version_site = value;
    if (same_name(name, "ForumSite")) sites.forum_site = value;
  }
  return sites;
}

std::optional<std::string> version_file_url(const WebSites& sites) {
  return url_of(sites.version_site, kVersionFilePath);
}

std::optional<std::string> forum_page_url(const WebSites& sites) {
  return url_of(sites.forum_site, kForumPagePath);
}

}  // namespace pelmora::update_notice
