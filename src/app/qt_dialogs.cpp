#include "app/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "app/app_context.h"
#include "app/qt_text.h"

// The window the user is working in, so a message stands over the form that raised it rather
// than over the main window behind that form.
QWidget* QtDialogs::Owner() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : parent_;
}

void QtDialogs::Message(std::string_view text) {
  QMessageBox::information(Owner(), kProgramTitle, ToQString(text));
}

bool QtDialogs::AskYesNo(std::string_view text) {
  return QMessageBox::question(Owner(), kProgramTitle, ToQString(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

trabeo::SaveChoice QtDialogs::AskSaveChanges(std::string_view text) {
  const auto answer = QMessageBox::question(
      Owner(), kProgramTitle, ToQString(text),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return trabeo::SaveChoice::Save;
  if (answer == QMessageBox::Discard) return trabeo::SaveChoice::Discard;
  return trabeo::SaveChoice::Cancel;
}

std::optional<std::string> QtDialogs::InputBox(std::string_view caption, std::string_view prompt,
                                               std::string_view defaultText) {
  bool accepted = false;
  const QString answer =
      QInputDialog::getText(Owner(), ToQString(caption), ToQString(prompt), QLineEdit::Normal,
                            ToQString(defaultText), &accepted);
  if (!accepted) return std::nullopt;
  return answer.toStdString();
}

namespace {

QFileDialog* MakeFileDialog(QWidget* parent, const trabeo::FileDialogOptions& options) {
  auto* dialog = new QFileDialog(parent, ToQString(options.title), ToQString(options.initialFolder),
                                 ToQString(options.filter));
  dialog->setAttribute(Qt::WA_DeleteOnClose, false);
  if (!options.defaultExtension.empty())
    dialog->setDefaultSuffix(ToQString(options.defaultExtension));
  if (!options.initialName.empty()) dialog->selectFile(ToQString(options.initialName));
  return dialog;
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtDialogs::OpenFileName(const trabeo::FileDialogOptions& options) {
  std::unique_ptr<QFileDialog> dialog(MakeFileDialog(Owner(), options));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(*dialog);
}

std::optional<std::string> QtDialogs::SaveFileName(const trabeo::FileDialogOptions& options) {
  std::unique_ptr<QFileDialog> dialog(MakeFileDialog(Owner(), options));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
  return RunFileDialog(*dialog);
}
