// The files of one test: the history read at start, and the journal, trades and equity curve
// files written beside each other under one time stamp, in the user's documents by default.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::sim_terminal {

struct RunFiles {
  std::filesystem::path log;     // journal-YYYYMMDD-HHMMSS.log
  std::filesystem::path trades;  // trades-YYYYMMDD-HHMMSS.csv, the same stamp
  std::filesystem::path curve;   // curve-YYYYMMDD-HHMMSS.png, the same stamp
};

// Where a run's files go: `given` (--journal-dir), else the user's documents folder's
// Pelmora\practice (beside this program's "journal" when there is no documents folder).
std::filesystem::path files_folder(const std::wstring& given);
// The folder as the user finds it: under Wine also its path on the host ("C:\users\me\...
// (on this machine: /home/me/...)").
std::wstring folder_for_people(const std::filesystem::path& folder);

// The files for a test starting now, in `folder`, which is created when missing. The stamp is
// the local time; a stamp an earlier test in the same second took gets a "-2", "-3"... so that
// no test's files are overwritten.
RunFiles run_files(const std::filesystem::path& folder);

// The whole file; nothing with the reason in `error` when it cannot be read (a folder, a file
// over 256 MB).
std::optional<std::string> read_whole_file(const std::filesystem::path& file, std::wstring* error);
// Writes the file anew; false with the reason in `error`.
bool write_whole_file(const std::filesystem::path& file, std::string_view text,
                      std::wstring* error);

// The folder this program lies in.
std::filesystem::path program_folder();

// The system's words for an error code, on one line.
std::wstring system_error_text(unsigned long code);

}  // namespace pelmora::sim_terminal
