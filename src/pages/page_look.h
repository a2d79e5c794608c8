#pragma once

#include <QString>
#include <initializer_list>

class QCheckBox;
class QWidget;

// The dark translucent surface every settings page and DPI row sits on.
constexpr const char* kPageStyle = "background-color: rgba(33,35,35,0.5)";

// Gives widget the page surface (styled background plus kPageStyle).
void setPageSurface(QWidget* widget);
// The surface's declaration reaches every child; labels must not paint it a second time. They
// also get the window's text colour.
void keepOffSurface(std::initializer_list<QWidget*> widgets);

// A check box drawn with the skin's switch images (checkbox1-*) or round marks (checkbox2-*), in
// the text colour and font of the window; the indicator follows the display scale.
enum class CheckLook { Switch, Round };
void styleCheckBox(QCheckBox* box, CheckLook look);
QString checkBoxStyle(CheckLook look);

// Dark vertical scroll bars for a style sheet, the handle lit in the theme colour on hover;
// horizontal ones are not drawn.
QString scrollBarStyle();
