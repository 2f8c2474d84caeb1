#pragma once

#include <QWidget>

// "Info" > "About": the program's name, purpose, units and version.
class TAboutBox : public QWidget {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};
