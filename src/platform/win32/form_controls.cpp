// Builds each kind of control of the layout with its native wrapper.
#include "platform/win32/form_controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "form/scaling.h"
#include "platform/win32/button.h"
#include "platform/win32/edit.h"
#include "platform/win32/image_button.h"
#include "platform/win32/key_field.h"
#include "platform/win32/label_control.h"
#include "platform/win32/line_control.h"
#include "platform/win32/list_box.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/radio_group.h"
#include "platform/win32/slider.h"
#include "platform/win32/spin_buttons.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {
constexpr int kFirstControlId = 2000;
constexpr int kFirstMenuId = 100;

void strip_style(HWND hwnd, LONG_PTR style, LONG_PTR ex_style) {
  SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) & ~style);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~ex_style);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
}  // namespace

FormControls::FormControls() : tooltips_(window_.hwnd()) {
  INITCOMMONCONTROLSEX init{sizeof(init),
                            ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&init);
  int id = kFirstControlId;
  for (const form::ControlSpec& spec : form::controls()) create(spec, window_.dpi(), id++);

  int menu_id = kFirstMenuId;
  for (const form::MenuItemSpec& item : form::popup_menu()) {
    add(item.name, menu_.add_item(menu_id++, item.caption));
  }
  window_.host().set_on_menu_command([this](int command) { menu_.dispatch(command); });
  for (auto& [name, panel] : panels_) {
    panel->set_on_menu_request([this](int x, int y) { menu_.show(window_.hwnd(), x, y); });
  }
  for (const form::TimerSpec& t : form::timers()) {
    timers_.push_back(std::make_unique<Timer>(TimerArgs{t.interval_ms, t.enabled}));
    add(t.name, *timers_.back());
  }
}

// The controls go before the panels that host them, the panels before the form.
FormControls::~FormControls() {
  controls_.clear();
  panels_.clear();
}

HWND FormControls::parent_of(const form::ControlSpec& spec) const {
  if (spec.parent.empty()) return window_.hwnd();
  return panels_.find(spec.parent)->second->hwnd();
}

HFONT FormControls::font(const form::Font& f) {
  const bool form_font = f.name.empty();
  std::tuple<std::string, int, bool> key{std::string(form_font ? form::kFormFontName : f.name),
                                         form_font ? form::kFormFontHeight : f.height, f.bold};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    const std::wstring face = to_wide(std::get<0>(key));
    HFONT made = CreateFontW(-std::get<1>(key), 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    it = fonts_.emplace(key, UniqueFont(made)).first;
  }
  return it->second.get();
}

FontAt FormControls::font_at(const form::Font& design) {
  return [this, design](int dpi) { return font(form::scaled_font(design, dpi)); };
}

void FormControls::create(const form::ControlSpec& spec, int dpi, int id) {
  using form::ControlKind;
  const form::ControlSpec s = form::scaled_control(spec, dpi);
  const HWND parent = parent_of(s);
  const std::string text(s.text);
  HWND made = nullptr;
  switch (s.kind) {
    case ControlKind::kPanel: {
      auto panel = std::make_unique<PanelControl>(PanelArgs{.parent = parent,
                                                            .id = id,
                                                            .bounds = s.bounds,
                                                            .border_width = spec.border_width,
                                                            .dpi = dpi,
                                                            .visible = s.visible});
      made = panel->hwnd();
      add(s.name, *panel);
      panels_.emplace(std::string(s.name), std::move(panel));
      break;
    }
    case ControlKind::kLabel: {
      auto& c =
          keep(std::make_unique<Label>(LabelArgs{.parent = parent,
                                                 .id = id,
                                                 .bounds = s.bounds,
                                                 .caption = text,
                                                 .font = font(s.font),
                                                 .font_at = font_at(spec.font),
                                                 .colour = to_colorref(s.colour),
                                                 .hand_cursor = s.cursor == form::Cursor::kHand}));
      add(s.name, c);
      made = c.hwnd();
      break;
    }
    case ControlKind::kLine: {
      auto& c = keep(
          std::make_unique<Line>(LineArgs{.parent = parent,
                                          .id = id,
                                          .bounds = s.bounds,
                                          .fill = to_colorref(s.back_colour),
                                          .border = to_colorref(form::kPanelLook.line_border)}));
      add(s.name, static_cast<platform::Control&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kImageButton: {
      auto& c = keep(std::make_unique<ImageButton>(ImageButtonArgs{
          .parent = parent,
          .id = id,
          .bounds = s.bounds,
          .word = text,
          .pictures = s.pictures == form::Pictures::kSell ? sell_pictures() : buy_pictures(),
          .font = font(s.font),
          .font_at = font_at(spec.font)}));
      add(s.name, static_cast<platform::Button&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kEdit:
    case ControlKind::kMemo: {
      auto& c = keep(std::make_unique<Edit>(EditArgs{.parent = parent,
                                                     .id = s.control_id ? s.control_id : id,
                                                     .bounds = s.bounds,
                                                     .text = text,
                                                     .multi_line = s.kind == ControlKind::kMemo,
                                                     .font = font(s.font),
                                                     .font_at = font_at(spec.font)}));
      add(s.name, static_cast<platform::Edit&>(c));
      made = c.hwnd();
      if (!s.bevel) strip_style(made, WS_BORDER, WS_EX_CLIENTEDGE);
      break;
    }
    case ControlKind::kSpinButtons: {
      auto& c = keep(
          std::make_unique<SpinButtons>(SpinButtonsArgs{.parent = parent,
                                                        .id = id,
                                                        .bounds = s.bounds,
                                                        .background = to_colorref(s.back_colour)}));
      add(s.name, static_cast<platform::SpinButtons&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kListBox: {
      auto& c = keep(std::make_unique<ListBox>(ListBoxArgs{.parent = parent,
                                                           .id = id,
                                                           .bounds = s.bounds,
                                                           .font = font(s.font),
                                                           .font_at = font_at(spec.font),
                                                           .item_height = spec.item_height,
                                                           .dpi = dpi}));
      add(s.name, static_cast<platform::ListBox&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kPushButton: {
      auto& c = keep(std::make_unique<Button>(ButtonArgs{.parent = parent,
                                                         .id = id,
                                                         .bounds = s.bounds,
                                                         .caption = text,
                                                         .font = font(s.font),
                                                         .font_at = font_at(spec.font)}));
      add(s.name, static_cast<platform::Button&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kSlider: {
      auto& c = keep(std::make_unique<Slider>(SliderArgs{.parent = parent,
                                                         .id = id,
                                                         .bounds = s.bounds,
                                                         .min = s.slider.min,
                                                         .max = s.slider.max,
                                                         .position = s.slider.position,
                                                         .thumb_length = spec.slider.thumb_length,
                                                         .dpi = dpi}));
      c.set_hint_sink([this](HWND hwnd, std::string_view hint) { tooltips_.set(hwnd, hint); });
      add(s.name, static_cast<platform::Slider&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kRadioGroup: {
      auto& c = keep(std::make_unique<RadioGroup>(
          RadioGroupArgs{.parent = parent,
                         .id = id,
                         .bounds = s.bounds,
                         .caption = text,
                         .choices = {std::string(s.choices[0]), std::string(s.choices[1])},
                         .font = font(s.font),
                         .font_at = font_at(spec.font),
                         .background = to_colorref(s.back_colour)}));
      add(s.name, static_cast<platform::RadioGroup&>(c));
      made = c.hwnd();
      break;
    }
    case ControlKind::kKeyField: {
      auto& c = keep(std::make_unique<KeyField>(KeyFieldArgs{.parent = parent,
                                                             .id = id,
                                                             .bounds = s.bounds,
                                                             .font = font(s.font),
                                                             .font_at = font_at(spec.font)}));
      add(s.name, static_cast<platform::KeyField&>(c));
      made = c.hwnd();
      break;
    }
  }
  finish(s, made);
}

// Common to every kind: later rows lie over earlier ones (a spin pair over its field's end),
// siblings do not paint over each other, only listed tab stops stop the Tab key, the hint, and
// the visibility at start.
void FormControls::finish(const form::ControlSpec& s, HWND hwnd) {
  windows_[std::string(s.name)] = hwnd;
  names_[hwnd] = std::string(s.name);
  SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_CLIPSIBLINGS);
  if (s.tab_order < 0) strip_style(hwnd, WS_TABSTOP, 0);
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!s.hint.empty()) tooltips_.set(hwnd, s.hint);
  if (!s.visible) ShowWindow(hwnd, SW_HIDE);
}

void FormControls::set_hint(std::string_view name, std::string_view hint) {
  HWND hwnd = hwnd_of(name);
  if (!hwnd) throw std::out_of_range("no control " + std::string(name));
  tooltips_.set(hwnd, hint);
}

HWND FormControls::hwnd_of(std::string_view name) const {
  auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second;
}

bool FormControls::handle_key(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (GetAncestor(msg.hwnd, GA_ROOT) != window_.hwnd()) return false;  // a box of ours, say
  KeyChord chord{.key = static_cast<int>(msg.wParam)};
  if (GetKeyState(VK_SHIFT) < 0) chord.modifiers |= KeyChord::kShift;
  if (GetKeyState(VK_CONTROL) < 0) chord.modifiers |= KeyChord::kCtrl;
  if (GetKeyState(VK_MENU) < 0) chord.modifiers |= KeyChord::kAlt;
  // Bit 30 of the key data: the key was down already, so this is the keyboard's auto-repeat.
  const bool repeat = (msg.lParam & (1L << 30)) != 0;
  return window_.key_pressed(chord, repeat);
}

bool FormControls::handle_tab(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  // The control that holds the focus may be a radio button inside its group.
  HWND focused = msg.hwnd;
  while (focused && !names_.count(focused)) focused = GetParent(focused);
  if (!focused) return false;
  return window_.tab_pressed(names_.at(focused), GetKeyState(VK_SHIFT) < 0);
}

}  // namespace pelmora::platform::win32
