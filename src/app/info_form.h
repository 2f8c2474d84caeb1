#pragma once

#include <QWidget>

// "Info" > "General": what the program does and how it is used.
class TInfoFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TInfoFrm(QWidget* parent = nullptr);
};
