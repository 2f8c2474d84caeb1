#pragma once

#include <QWidget>

#include "app/app_context.h"

// "K3 Help": the colour code of the load-duration help texts, in black, blue and red. Not
// modal; "OK" hides it.
//
// objectNames: `Label_Black`, `Label_Blue`, `Label_Red`, `cmd_OK`.
class TK3Frm : public QWidget {
  Q_OBJECT

 public:
  explicit TK3Frm(AppContext& context, QWidget* parent = nullptr);
};
