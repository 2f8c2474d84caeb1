#pragma once

#include <QWidget>

#include "app/app_context.h"

class TBeamFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TBeamFrm(AppContext& context);
  // Empties the section and property lists and labels for File New.
  void ResetForNew() {}

 private:
  AppContext& context_;
};
