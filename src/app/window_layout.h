#pragma once

#include <QPoint>
#include <QRect>

// Where everything sits in the window's 999 × 640 design space; the window multiplies each
// rectangle by the display scale factor.
namespace WindowLayout {

constexpr int kWidth = 999;
constexpr int kHeight = 640;

// Header.
constexpr QRect Logo(22, 12, 150, 40);
constexpr QRect ModeLabel(190, 14, 260, 18);
constexpr QRect VersionLabel(190, 34, 260, 18);
constexpr QRect ApplicationsButton(520, 33, 100, 20);
constexpr QRect DongleIcon(636, 30, 26, 26);
constexpr QRect MouseSelector(670, 33, 100, 20);
constexpr QRect LanguageButton(778, 33, 100, 20);
constexpr QRect MinimiseButton(902, 22, 30, 28);
constexpr QRect CloseButton(938, 22, 30, 28);

// Left column: tabs and slots in the upper panel, the profile commands in the lower one.
constexpr int kTabLeft = 69;
constexpr int kTabTop = 90;
constexpr int kTabPitch = 34;
constexpr QRect Tab(kTabLeft, kTabTop, 154, 29);
constexpr int kSlotLeft = 70;
constexpr int kSlotTop = 226;
constexpr int kSlotPitch = 34;
constexpr QRect Slot(kSlotLeft, kSlotTop, 152, 28);
constexpr QRect ProfileLabel(70, 417, 152, 26);
constexpr QRect NameCaption(70, 448, 42, 26);
constexpr QRect NameEdit(112, 448, 86, 26);
constexpr QRect ProfileMenuButton(200, 447, 22, 28);
constexpr QRect AddButton(70, 479, 72, 26);
constexpr QRect CopyButton(150, 479, 72, 26);
constexpr QRect DeleteButton(70, 510, 72, 26);
constexpr QRect ResetButton(150, 510, 72, 26);
constexpr QRect ExportButton(70, 539, 26, 26);
constexpr QRect ImportButton(102, 539, 26, 26);

// Bottom strip.
constexpr QRect BatteryFrame(69, 581, 86, 47);
constexpr QRect BatteryBar(76, 594, 64, 21);
constexpr QRect ChargingIcon(162, 594, 14, 22);
constexpr QRect FirmwareButton(236, 590, 154, 29);
constexpr QRect LoadButton(398, 591, 82, 27);
constexpr QRect SaveButton(486, 591, 82, 27);
constexpr QRect ResetAllButton(582, 591, 110, 27);
constexpr QRect OkButton(698, 591, 84, 27);
constexpr QRect CancelButton(788, 591, 84, 27);
constexpr QRect ApplyButton(878, 591, 84, 27);

// The mouse pictures above the lighting and button pages; the picture grid is 300 × 400.
constexpr QRect MousePicture(470, 76, 300, 262);
constexpr QRect FrontButton(290, 92, 84, 27);
constexpr QRect SideButton(290, 124, 84, 27);
constexpr int kHotSpotSize = 18;

// Pages.
constexpr QRect ButtonPage(285, 342, 664, 199);
constexpr QRect DpiPage(286, 75, 456, 386);
constexpr QRect PerformancePage(286, 413, 506, 77);
constexpr QRect ReportRatePage(746, 75, 149, 200);
constexpr QRect LightingPage(285, 342, 664, 199);
constexpr QRect MacroPage(285, 74, 665, 467);

} // namespace WindowLayout
