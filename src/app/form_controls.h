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

// Result lists align their figures with spaces, so they need a font of fixed pitch.
QFont FixedPitchListFont();

// Replaces a list's lines.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines);

// Places a window at the given fractions of the free screen area left over by its size.
void PlaceOnScreenAt(QWidget* window, double acrossFraction, double downFraction);
