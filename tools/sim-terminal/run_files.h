// The files of one run of the terminal: the history read at start, and the journal and trades
// files written beside each other under one time stamp.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::sim_terminal {

struct RunFiles {
  std::filesystem::path log;     // journal-YYYYMMDD-HHMMSS.log
  std::filesystem::path trades;  // trades-YYYYMMDD-HHMMSS.csv, the same stamp
};

// The files for a run starting now, in `folder` (empty: "journal" beside this program), which is
// created when missing. The stamp is the local time; a stamp an earlier run in the same second
// took gets a "-2", "-3"... so that no run's files are overwritten.
RunFiles run_files(const std::wstring& folder);

// The whole file; nothing with the reason in `error` when it cannot be read.
std::optional<std::string> read_whole_file(const std::filesystem::path& file, std::wstring* error);
// Writes the file anew; false with the reason in `error`.
bool write_whole_file(const std::filesystem::path& file, std::string_view text,
                      std::wstring* error);

// The folder this program lies in.
std::filesystem::path program_folder();

// The system's words for an error code, on one line.
std::wstring system_error_text(unsigned long code);

}  // namespace pelmora::sim_terminal
