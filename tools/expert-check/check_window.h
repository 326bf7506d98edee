// The checker's window, made as the panel makes its own where an expert can tell: a top-level
// tool window captioned "Pelmora" + the parameter, owned by a caption-less window that is made
// the chart frame's front child, with the six exchange fields as edit controls of the panel's
// ids and kinds, its direct children. It also shows the checks as they go. Every text the
// expert writes into a field is passed on as it arrives, also when the same text is written
// again.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace pelmora::expert_check {

class CheckWindow {
 public:
  // A field's control id and the text the expert wrote there.
  using ExpertWrote = std::function<void(int field, std::string text)>;

  // Nothing when a window cannot be made. `chart_frame` may be null (no terminal): the window
  // then stands alone where the system puts it.
  static std::unique_ptr<CheckWindow> create(HINSTANCE instance, const std::string& caption,
                                             HWND chart_frame, ExpertWrote expert_wrote);
  CheckWindow(const CheckWindow&) = delete;
  CheckWindow& operator=(const CheckWindow&) = delete;
  ~CheckWindow();

  HWND window() const { return window_; }
  std::string text(int field) const;
  // The checker's own write; not passed on as the expert's.
  void set_text(int field, std::string_view text);
  // One more line in the window's list of what the checks saw.
  void show_line(std::string_view line);
  // Over the chart area's top left corner, no larger than the area, without taking the
  // keyboard.
  void place_over(HWND chart_area);

 private:
  CheckWindow() = default;
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK field_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  bool make_children(HINSTANCE instance);
  HWND field(int id) const;

  HWND owner_ = nullptr;   // owns window_; goes last
  HWND window_ = nullptr;  // the panel's stand-in
  HWND list_ = nullptr;
  std::array<HWND, 6> fields_{};
  std::array<WNDPROC, 6> field_procs_{};
  ExpertWrote expert_wrote_;
  bool writing_ = false;  // the checker's own write is in progress
};

}  // namespace pelmora::expert_check
