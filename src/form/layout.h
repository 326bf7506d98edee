// The panel's layout as plain data: the form, its five panels and every control on them, the
// pop-up menu and the timers. Both backends build their controls from these tables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "form/names.h"
#include "platform/controls.h"

namespace pelmora::form {

// Windows colour values, 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kKeyColour = 3621450;      // form background, see-through
inline constexpr Colour kPanelFillTop = 14803425;  // RGB 225, 225, 225
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kLabelColour = 5197647;  // RGB 79, 79, 79
inline constexpr Colour kRed = 0x0000FF;
// The system's window-text colour (radio groups); not a fixed value.
inline constexpr Colour kWindowText = 0xFF000008;
// No colour of its own: the control takes the system's look.
inline constexpr Colour kDefaultColour = 0xFF000000;

enum class ControlKind {
  kPanel,
  kLabel,
  kLine,         // separator bar
  kImageButton,  // the order buttons
  kEdit,
  kMemo,
  kSpinButtons,
  kListBox,
  kPushButton,
  kSlider,
  kRadioGroup,
  kKeyField,  // the system's hot-key field
};

enum class Cursor { kDefault, kHand };

// The picture set an image button draws in its three states.
enum class Pictures { kNone, kSell, kBuy };

struct Font {
  std::string_view name{};  // empty: the form's font, MS Sans Serif 8 points
  int height = 0;           // character height in pixels; 0 with the form's font
  bool bold = false;
  bool operator==(const Font&) const = default;
};

inline constexpr Font kFormFont{};
// What the form's font is: MS Sans Serif, 8 points at 96 dots per inch.
inline constexpr std::string_view kFormFontName = "MS Sans Serif";
inline constexpr int kFormFontHeight = 11;

struct SliderRange {
  int min = 0;
  int max = 0;
  int position = 0;
  int thumb_length = 0;
  bool ticks = false;
  bool operator==(const SliderRange&) const = default;
};

struct ControlSpec {
  std::string_view name{};
  ControlKind kind = ControlKind::kPanel;
  std::string_view parent{};  // empty: directly on the form
  platform::Bounds bounds;    // relative to the parent's client area
  std::string_view text{};    // caption or text; radio groups: the group's caption
  std::string_view hint{};
  Font font{};
  Colour colour = kDefaultColour;       // text colour
  Colour back_colour = kDefaultColour;  // background; lines: fill
  bool visible = true;
  int tab_order = -1;  // place in the parent's tab order; -1: not a tab stop
  Cursor cursor = Cursor::kDefault;
  int item_height = 0;                        // list boxes
  SliderRange slider{};                       // sliders
  std::array<std::string_view, 2> choices{};  // radio groups, choice 0 first
  int control_id = 0;                         // exchange fields: the published identifier
  bool bevel = true;                          // edits: sunken edge
  std::string_view linked_edit{};             // spin pairs: the field they step
  int border_width = 0;                       // panels
  bool drags_parent = false;                  // labels that pass the mouse to their panel's drag
  Pictures pictures = Pictures::kNone;        // image buttons
  bool operator==(const ControlSpec&) const = default;
};

// Look common to the panels.
struct PanelLook {
  Colour fill_top = kPanelFillTop;
  Colour fill_bottom = kSilver;
  Colour border = kGrey;
  int corner_radius = 10;
  Colour line_border = kSilver;    // border of the separator lines
  int button_corner_diameter = 8;  // the order buttons' rounded corners
  int button_border = 1;           // the order buttons' border
  int spin_rim = 1;                // key-coloured rim round the spin pairs' two faces
  int spin_focus_inset = 2;        // the spin pairs' focus outline inside their edge
};
inline constexpr PanelLook kPanelLook{};

struct FormSpec {
  std::string_view name = names::kForm;
  std::string_view caption = "Form1";
  platform::Bounds bounds{180, 0, 1028, 699};
  Colour colour = kKeyColour;
  bool snap_to_work_area = true;
  bool show_hints = true;
};
inline constexpr FormSpec kFormSpec{};

struct MenuItemSpec {
  std::string_view name;
  std::string_view caption;
};

struct TimerSpec {
  std::string_view name;
  int interval_ms;
  bool enabled;
};

// Every control, the form's direct children in their creation order, each panel followed by
// the controls on it.
std::span<const ControlSpec> controls();
std::span<const MenuItemSpec> popup_menu();  // popup_menu, shared by the panels
std::span<const TimerSpec> timers();

inline constexpr std::string_view kPopupMenuName = names::kPopupMenu;
inline constexpr std::array<std::string_view, 5> kPanelNames{
    names::kMainPanel, names::kStopLevelsPanel, names::kTrailingPanel, names::kSettingsPanel,
    names::kShortcutsPanel};

// The shortcut keys window's row captions, in the order of its key fields.
inline constexpr std::array<std::string_view, 12> kShortcutCaptionTexts{
    "Купить (BUY)",  "Продать (SELL)",       "Закрыть сделку (CLOSE)", "Закрыть все ордера",
    "Уровни TP/SL",  "Трейлинг-стоп (T-SL)", "Пауза / продолжить",     "Остановить тест",
    "Скорость ниже", "Скорость выше",        "Объём меньше",           "Объём больше"};

// The control of that name, or nothing.
std::optional<ControlSpec> find_control(std::string_view name);
bool is_panel(std::string_view name);

}  // namespace pelmora::form
