#include "app/app_test_support.h"

#include <unistd.h>

namespace trabeo::testing {

void AppFixture::SetUp() {
  static int counter = 0;
  folder = std::filesystem::temp_directory_path() /
           ("trabeo-app-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  app = std::make_unique<TrabeoApplication>(AppOptions{folder, &dialogs});
  app->start();
  QApplication::processEvents();
}

void AppFixture::TearDown() {
  app.reset();
  QApplication::processEvents();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

QWidget* AppFixture::Form(const char* className) const {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (std::string(widget->metaObject()->className()) == className) return widget;
  }
  ADD_FAILURE() << "no form " << className;
  return nullptr;
}

QAction* AppFixture::MenuAction(const char* objectName) const {
  QWidget* index = Form("TIndexFrm");
  QAction* action = index != nullptr ? index->findChild<QAction*>(objectName) : nullptr;
  EXPECT_NE(action, nullptr) << "no menu command " << objectName;
  return action;
}

void AppFixture::Trigger(const char* objectName) const {
  if (QAction* action = MenuAction(objectName)) action->trigger();
  QApplication::processEvents();
}

void AppFixture::Click(const char* className, const char* objectName) const {
  if (auto* button = Control<QAbstractButton>(className, objectName)) button->click();
  QApplication::processEvents();
}

void AppFixture::Type(const char* className, const char* objectName, const QString& text) const {
  if (auto* edit = Control<QLineEdit>(className, objectName)) {
    edit->setText(text);
    Q_EMIT edit->textEdited(text);
  }
}

QStringList AppFixture::ListLines(const char* className, const char* objectName) const {
  QStringList lines;
  if (auto* list = Control<QListWidget>(className, objectName)) {
    for (int row = 0; row < list->count(); ++row)
      lines << list->item(row)->text();
  }
  return lines;
}

}  // namespace trabeo::testing
