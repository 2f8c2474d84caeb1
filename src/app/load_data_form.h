#pragma once

#include <QWidget>

#include "app/app_context.h"

class TLoadDataFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TLoadDataFrm(AppContext& context);
  // Empties and hides the boxes of all rows, as File New and "Clear" do.
  void ClearRows() {}

 private:
  AppContext& context_;
};
