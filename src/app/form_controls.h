#pragma once

#include <QFont>
#include <string>
#include <vector>

class QListWidget;
class QWidget;

// Small helpers the module windows share for building and filling their controls.

template <typename T>
T* Named(T* widget, const char* objectName) {
  widget->setObjectName(objectName);
  return widget;
}

// Result texts align their figures with spaces, so they need a font of fixed pitch: Courier at
// the control's own size, or at the 13 pixels of the main window's and the timber windows' lists.
QFont FixedPitchFont();
QFont FixedPitchListFont();

// Replaces a list's lines.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines);

// Places a window at the given fractions of the free screen area left over by its size.
void PlaceOnScreenAt(QWidget* window, double acrossFraction, double downFraction);
// The beam entry forms stand two thirds across and a fifth down.
void PlaceAsEntryForm(QWidget* form);
