// The journal's files on the real disk: made with their folders and header, lines in order, a
// line that could not be written tried again with the next, and a full file's note written once.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "e2e/scratch_folder.h"
#include "platform/fake/fake_ui_thread.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/journal_files.h"

namespace pelmora::platform::win32 {
namespace {

TEST(Win32JournalFiles, HeaderOnceLinesInOrderAFailedLineRetriedAndTheCapsNoteOnce) {
  e2e::ScratchFolder scratch;
  const std::filesystem::path folder = scratch.path() / L"Pelmora" / L"journal";
  const JournalFile day{.name = "day.csv", .header = "H\r\n", .cap = 40};
  const auto text = [&] {
    std::stringstream read;
    read << std::ifstream(folder / L"day.csv", std::ios::binary).rdbuf();
    return read.str();
  };
  fake::FakeUiThread ui;
  {
    Win32JournalFiles files(ui, folder.wstring() + L"\\");
    // The line after waits until every line before it is in.
    const auto written = [&] {
      bool done = false;
      files.then([&] { done = true; });
      for (int i = 0; i < 500 && !done; ++i, Sleep(10)) ui.run_pending();
      return done;
    };
    files.append(day, "line1\r\n", "FULL\r\n");
    files.append(day, "line2\r\n", "FULL\r\n");
    ASSERT_TRUE(written());
    EXPECT_EQ(text(), "H\r\nline1\r\nline2\r\n");
    {
      const UniqueHandle<HANDLE, CloseHandle> held(CreateFileW(
          (folder / L"day.csv").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
      files.append(day, "line3\r\n", "FULL\r\n");  // the file is held by another: refused
      ASSERT_TRUE(written());
    }
    EXPECT_EQ(text(), "H\r\nline1\r\nline2\r\n");
    files.append(day, "line4\r\n", "FULL\r\n");
    files.append(day, "line5\r\n", "FULL\r\n");  // 31 + 7 and the note's 6 would pass 40
    files.append(day, "line6\r\n", "FULL\r\n");
  }
  Win32JournalFiles(ui, folder.wstring() + L"\\").append(day, "line7\r\n", "FULL\r\n");
  EXPECT_EQ(text(), "H\r\nline1\r\nline2\r\nline3\r\nline4\r\nFULL\r\n");
}

}  // namespace
}  // namespace pelmora::platform::win32
