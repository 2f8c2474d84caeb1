#pragma once

#include <QWidget>

#include "app/app_context.h"

class TSetHeaderFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TSetHeaderFrm(AppContext& context);

 private:
  AppContext& context_;
};
