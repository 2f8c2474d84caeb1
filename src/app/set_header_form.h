#pragma once

#include <QWidget>

#include "app/app_context.h"

class QLineEdit;

// The texts at the top of every printed page. Shown modally; OK stores the six texts, any other
// way of closing discards the edits, and every showing fills the boxes from the stored texts.
class TSetHeaderFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TSetHeaderFrm(AppContext& context);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowStoredTexts();
  void StoreHeaderTexts();

  AppContext& context_;
  QLineEdit* company_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* project1_ = nullptr;
  QLineEdit* project2_ = nullptr;
  QLineEdit* jobDesc_ = nullptr;
  QLineEdit* jobRef_ = nullptr;
};
