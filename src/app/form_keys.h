#pragma once

class QAbstractButton;
class QMenuBar;
class QPushButton;
class QWidget;

// The keys a dialog answers, for forms that are plain windows: Enter presses the push button
// that has the focus, else the form's default button; Esc presses its cancel button, or hides a
// form that has none. Keys a control uses itself (Enter in a text box of several lines, Esc
// closing a list's popup) stay with that control.
void SetDefaultButton(QWidget* form, QPushButton* button);
void SetCancelButton(QWidget* form, QAbstractButton* button);
void HideOnEscape(QWidget* form);

// Gives each menu of the bar an Alt accelerator: the first letter of its caption that no menu
// before it took.
void AddMenuAccelerators(QMenuBar* menuBar);
