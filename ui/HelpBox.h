#pragma once
// The modal help boxes: information icon, one OK button.

#include <QString>

class QWidget;

namespace skyvane {

// Every carriage return of the text starts a new line on screen, whatever the style.
QString displayText(const char* text);

void showHelpBox(QWidget* parent, const char* title, const char* text);

} // namespace skyvane
