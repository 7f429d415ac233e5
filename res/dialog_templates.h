#pragma once
// The dialog templates of the program as data: each control's id, kind, position and size in
// dialog units, its initial caption and style. Both the Qt windows and the headless test
// backend build their dialogs from these.
#include <cstdint>
#include <span>
#include <string_view>

namespace tolvane {

enum class ControlKind {
    kEnhancedButton,  // large command button or banner (CBtnEnh)
    kMonthCalendar,
    kListView,  // report list (CSortListCtrl)
    kEdit,
    kStatic,
    kPushButton,  // plain push button (the About box's OK)
    kIcon,        // the application icon
};

// Control styles that the templates use.
enum ControlStyle : std::uint32_t {
    kStyleNone = 0,
    kStyleBorder = 1u << 0,
    kStyleReport = 1u << 1,       // list in report view
    kStyleRightAlign = 1u << 2,   // edit text right-aligned
    kStyleAutoHScroll = 1u << 3,  // edit scrolls horizontally
    kStyleTabStop = 1u << 4,
    kStyleDefaultButton = 1u << 5,
    kStyleNoToday = 1u << 6,          // calendar without the line that shows today's date
    kStylePictureLeftArrow = 1u << 7  // enhanced button shows a left-pointing arrow
};

// Dialog frame styles.
enum DialogStyle : std::uint32_t {
    kDialogCaption = 1u << 0,
    kDialogSysMenu = 1u << 1,  // system menu, and with it the close box
    kDialogModalFrame = 1u << 2,
    kDialogAppWindow = 1u << 3,  // shows in the task bar
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    int x, y, cx, cy;  // dialog units
    std::string_view caption;
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    int cx, cy;  // dialog units
    std::string_view fontName;
    int fontPoints;
    std::string_view caption;
    std::uint32_t style;
    std::span<const ControlTemplate> controls;  // in creation order
};

// The template with this id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// String resources ("" for an unknown id).
std::string_view LoadStringResource(int id);

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_REPORTS_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;  // the application icon
inline constexpr int IDD_WORKSHEET = 136;
inline constexpr int IDD_DAILY_VALUES = 137;

}  // namespace tolvane
