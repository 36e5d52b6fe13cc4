#pragma once
// The help boxes: information icon, one OK button, modal as a system message box is; and the
// other boxes the window owns so.

#include <QString>

class QDialog;
class QWidget;

namespace skyvane {

// Every carriage return of the text starts a new line on screen, whatever the style.
QString displayText(const char* text);

// Shows the box with the keyboard and returns when it is dismissed (OK, Return or Esc); the
// owner then has the keyboard again. The owner takes no input meanwhile but, unlike a window
// behind a Qt modal box, still receives every close request.
void showHelpBox(QWidget& owner, const char* title, const char* text);

// Shows any box so, the net game's dialogs among them, and returns its result once it is dismissed.
int showOwnedBox(QWidget& owner, QDialog& box);

} // namespace skyvane
