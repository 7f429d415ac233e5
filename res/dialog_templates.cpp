#include "res/dialog_templates.h"

namespace tolvane {
namespace {

using K = ControlKind;

constexpr ControlTemplate kAboutControls[] = {
    {IDR_MAINFRAME, K::kIcon, 11, 17, 20, 20, "", kStyleNone},
    {-1, K::kStatic, 40, 10, 119, 8, "Tolvane Version 1.0", kStyleNone},
    {-1, K::kStatic, 40, 25, 119, 8, "Copyright (C) 2026", kStyleNone},
    {1, K::kPushButton, 178, 7, 50, 14, "OK", kStyleDefaultButton | kStyleTabStop},
};

// Every control of the main dialog is created visible and none is a tab stop.
constexpr ControlTemplate kReportsControls[] = {
    {1000, K::kEnhancedButton, 341, 226, 65, 42, "Exit", kStyleNone},
    {1001, K::kEnhancedButton, 104, 226, 82, 42, "Daily Work Sheet", kStyleNone},
    {1002, K::kEnhancedButton, 9, 226, 94, 42, "Daily Sales Recap", kStyleNone},
    {1004, K::kMonthCalendar, 70, 63, 271, 112, "", kStyleNoToday},
    {1003, K::kEnhancedButton, 9, 9, 185, 20, "Start Time", kStyleNone},
    {1005, K::kEnhancedButton, 224, 7, 182, 21, "Stop Time", kStyleNone},
    {1034, K::kEnhancedButton, 28, 197, 347, 25, "", kStyleNone},
    {1026, K::kListView, 7, 32, 399, 164, "", kStyleReport | kStyleBorder},
    {1037, K::kEnhancedButton, 287, 226, 49, 42, "Back", kStyleNone},
    {1038, K::kEnhancedButton, 237, 226, 49, 42, "Write File", kStyleNone},
    {1044, K::kEnhancedButton, 187, 226, 49, 42, "Print Display", kStyleNone},
};

constexpr ControlTemplate kWorkSheetControls[] = {
    {1034, K::kEnhancedButton, 7, 1, 509, 25, "~", kStyleNone},
    {1026, K::kListView, 7, 31, 509, 243, "", kStyleReport | kStyleBorder},
    {1043, K::kEnhancedButton, 7, 277, 80, 56, "Ignore", kStyleNone},
    {1038, K::kEnhancedButton, 94, 278, 80, 25, "Receiving", kStyleNone},
    {1039, K::kEnhancedButton, 179, 278, 80, 25, "Waste", kStyleNone},
    {1040, K::kEnhancedButton, 265, 278, 80, 25, "Transfers", kStyleNone},
    {1044, K::kEnhancedButton, 352, 278, 80, 55, "Print", kStyleNone},
    {1042, K::kEnhancedButton, 438, 277, 80, 56, "Save", kStyleNone},
    {1041, K::kEnhancedButton, 94, 307, 80, 25, "QOH", kStyleNone},
    {1045, K::kEnhancedButton, 179, 308, 80, 25, "Credits", kStyleNone},
    {1022, K::kEnhancedButton, 264, 308, 80, 25, "Help", kStyleNone},
};

// The edit control and the banner take the focus by Tab; the keypad's buttons do not.
constexpr ControlTemplate kDailyValuesControls[] = {
    {1034, K::kEnhancedButton, 10, 13, 109, 18, "~", kStyleTabStop},
    {1033, K::kEdit, 7, 34, 40, 14, "",
     kStyleBorder | kStyleRightAlign | kStyleAutoHScroll | kStyleTabStop},
    {1035, K::kStatic, 50, 37, 66, 8, "Description", kStyleNone},
    {1044, K::kEnhancedButton, 7, 56, 55, 30, "Down", kStyleNone},
    {1043, K::kEnhancedButton, 64, 56, 55, 30, "Up", kStyleNone},
    {1038, K::kEnhancedButton, 7, 88, 34, 28, "7", kStyleNone},
    {1039, K::kEnhancedButton, 46, 88, 34, 28, "8", kStyleNone},
    {1040, K::kEnhancedButton, 85, 88, 34, 28, "9", kStyleNone},
    {1030, K::kEnhancedButton, 7, 118, 34, 28, "4", kStyleNone},
    {1031, K::kEnhancedButton, 46, 118, 34, 28, "5", kStyleNone},
    {1032, K::kEnhancedButton, 85, 118, 34, 28, "6", kStyleNone},
    {1027, K::kEnhancedButton, 7, 148, 34, 28, "1", kStyleNone},
    {1028, K::kEnhancedButton, 46, 149, 34, 28, "2", kStyleNone},
    {1029, K::kEnhancedButton, 85, 149, 34, 28, "3", kStyleNone},
    {1042, K::kEnhancedButton, 7, 178, 34, 28, "0", kStyleNone},
    {1036, K::kEnhancedButton, 47, 179, 71, 28, "Enter", kStyleNone},
    {1037, K::kEnhancedButton, 7, 209, 113, 25, "Correct entry", kStylePictureLeftArrow},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUTBOX, 235, 55, "MS Sans Serif", 8, "About Tolvane",
     kDialogCaption | kDialogSysMenu | kDialogModalFrame, kAboutControls},
    {IDD_REPORTS_DIALOG, 413, 275, "Times New Roman", 12, "Tolvane",
     kDialogCaption | kDialogSysMenu | kDialogModalFrame | kDialogAppWindow, kReportsControls},
    {IDD_WORKSHEET, 523, 340, "MS Sans Serif", 8, "", kDialogCaption | kDialogModalFrame,
     kWorkSheetControls},
    {IDD_DAILY_VALUES, 125, 241, "MS Sans Serif", 12, "Enter Daily Values",
     kDialogCaption | kDialogSysMenu | kDialogModalFrame, kDailyValuesControls},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& dialog : kTemplates) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

std::string_view LoadStringResource(int id) {
    return id == IDS_ABOUTBOX ? "&About Tolvane..." : "";
}

}  // namespace tolvane
