#pragma once

#include <QLineEdit>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

// Conversions between the core's UTF-8 texts and Qt's, and the screen the forms place
// themselves on.
QString ToQString(std::string_view text);
std::string TextOf(const QLineEdit* edit);
// The primary screen's area left free by the desktop's panels (a 1024 x 768 stand-in when there
// is no screen). Forms place themselves over it, so no panel hides part of a form.
QRect ScreenRect();
