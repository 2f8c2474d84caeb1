#pragma once

#include <QWidget>

#include "app/app_context.h"

class TPreferencesFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TPreferencesFrm(AppContext& context);

 private:
  AppContext& context_;
};
