#pragma once

#include "platform/dialogs.h"

class QWidget;

// The core's dialogs as Qt message boxes, input dialogs and file dialogs.
class QtDialogs : public trabeo::Dialogs {
 public:
  void set_parent(QWidget* parent) { parent_ = parent; }

  void Message(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override;
  std::optional<std::string> OpenFileName(const trabeo::FileDialogOptions& options) override;
  std::optional<std::string> SaveFileName(const trabeo::FileDialogOptions& options) override;
  trabeo::SaveChoice AskSaveChanges(std::string_view text) override;

 private:
  QWidget* Owner() const;

  QWidget* parent_ = nullptr;
};
