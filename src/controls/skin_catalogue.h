#pragma once

// Every image the program loads from the skin folder, with the size it is designed for (999 × 640
// design space). The files are drawn at kSkinResolution times that size so they stay sharp when
// the window is scaled up.

constexpr int kSkinResolution = 2;

struct SkinImage
{
    const char* name; // relative to the skin folder
    int width;        // design pixels
    int height;
};

namespace Skin {
constexpr const char* MainBackground = "cfgMainback.png";
constexpr const char* Dialog = "dlg.png";
constexpr const char* GunDialog = "dlg_gun.png";
// The dialog backgrounds draw a faint line under the heading, this far down their design height
// (309 for dlg.png).
constexpr int DialogHeight = 309;
constexpr int DialogSeparatorY = 98;
constexpr const char* Warning = "warn.png";
constexpr const char* DongleMissing = "dongle2.png";
constexpr const char* Process = "process.png";
constexpr const char* WindowIcon = "icon.ico";
constexpr const char* SampleProduct = "Tarq M1";
constexpr int SampleButtonCount = 8;
constexpr int MousePictureWidth = 300;
constexpr int MousePictureHeight = 400;
} // namespace Skin

constexpr SkinImage kSkinImages[] = {
    { Skin::MainBackground, 999, 640 },
    { "bat1.png", 86, 47 },
    { "bat2.png", 86, 47 },
    { "btn_1.png", 18, 18 },
    { "btn_2.png", 18, 18 },
    { "btn_up1.png", 18, 18 },
    { "btn_up2.png", 18, 18 },
    { "btn_up3.png", 18, 18 },
    { "btn_up4.png", 18, 18 },
    { "btn_down1.png", 18, 18 },
    { "btn_down2.png", 18, 18 },
    { "btn_down3.png", 18, 18 },
    { "btn_down4.png", 18, 18 },
    { Skin::Dialog, 478, 309 },
    { Skin::GunDialog, 560, 420 },
    { Skin::Warning, 45, 45 },
    { "dongle.png", 26, 26 },
    { Skin::DongleMissing, 45, 45 },
    { "lightning.png", 14, 22 },
    { "mouselogo.png", 150, 40 },
    { Skin::Process, 300, 150 },
    { "rate.png", 24, 24 },
    { "delay.png", 16, 16 },
    { "icondelay.png", 16, 16 },
    { "keydown.png", 16, 16 },
    { "keyup.png", 16, 16 },
    { "mouse_move.png", 16, 16 },
    { "profilesel.png", 16, 16 },
    { "gunset_slider.png", 16, 16 },
    { "gunset_bullet.png", 16, 16 },
    { "checkbox1-1.png", 16, 16 },
    { "checkbox1-2.png", 16, 16 },
    { "checkbox2-1.png", 16, 16 },
    { "checkbox2-2.png", 16, 16 },
    { "profile_edit_name_1.png", 152, 28 },
    { "profile_edit_name_2.png", 152, 28 },
    { "tabbutton-1.png", 154, 29 },
    { "tabbutton-2.png", 154, 29 },
    { "tabbutton-3.png", 154, 29 },
    { "profile_add1.png", 72, 26 },
    { "profile_add2.png", 72, 26 },
    { "profile_copy1.png", 72, 26 },
    { "profile_copy2.png", 72, 26 },
    { "profile_del1.png", 72, 26 },
    { "profile_del2.png", 72, 26 },
    { "profile_reset1.png", 72, 26 },
    { "profile_reset2.png", 72, 26 },
    { "profile_import1.png", 26, 26 },
    { "profile_import2.png", 26, 26 },
    { "profile_export1.png", 26, 26 },
    { "profile_apply1.png", 22, 28 },
    { "dpi_stage1.png", 30, 24 },
    { "dpi_stage2.png", 30, 24 },
    { "dpi_stage3.png", 30, 24 },
};

// The icon file holds these square sizes (device pixels).
constexpr int kWindowIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

// Images compiled into the program.
namespace EmbeddedImage {
constexpr const char* Loading = ":/skin/loading.gif";
constexpr const char* Yes = ":/yes_Btn";
constexpr const char* No = ":/no_Btn";
constexpr int LoadingSize = 48; // design pixels, square
constexpr int LoadingFrames = 12;
constexpr int ButtonIconSize = 14;
} // namespace EmbeddedImage
