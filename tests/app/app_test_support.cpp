#include "app/app_test_support.h"

#include <unistd.h>

#include <QKeyEvent>
#include <QRegularExpression>

#include "app/entry_flow.h"

namespace trabeo::testing {

void AppFixture::SetUp() {
  static int counter = 0;
  folder = std::filesystem::temp_directory_path() /
           ("trabeo-app-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  app = std::make_unique<TrabeoApplication>(
      AppOptions{folder, &dialogs, &printing, &clipboard, folder / "settings.ini"});
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

void AppFixture::PressKey(QWidget* target, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
  QApplication::processEvents();
}

void AppFixture::MinimiseAndRestore(QWidget* window) {
  window->showMinimized();
  QApplication::processEvents();
  window->showNormal();
  QApplication::processEvents();
}

BeamProject AppFixture::SimpleBeam() {
  BeamProject project;
  BeamModel& model = project.model;
  model.MainSpan = {1, 6000, 205000, 1e8, 0};
  model.TotalLength = 6000;
  model.SectionIxx = 1e8f;
  model.Loads.row(1) = {kPointLoadKind, 3000, 10000, 0, 0, 1, 1, 0};
  return project;
}

void AppFixture::LoadAnalysed(const BeamProject& project) const {
  Load(project);
  app->entryFlow().Analyse();
  QApplication::processEvents();
}

void AppFixture::EnableCodes(bool steel5950, bool timber5268) const {
  UnitSettings units = session().units();
  units.EnableSteel5950 = steel5950 ? kSettingOn : kSettingOff;
  units.EnableTimber5268 = timber5268 ? kSettingOn : kSettingOff;
  session().SetUnits(units);
}

std::vector<std::string> AppFixture::PrintedTextsWithoutTime() {
  Trigger("Print1");
  std::vector<std::string> texts;
  if (!printing.printed) return texts;
  const QRegularExpression time("\\d:\\d\\d");
  for (const RecordedText& text : printing.job->recorder().texts()) {
    if (!QString::fromStdString(text.text).contains(time)) texts.push_back(text.text);
  }
  return texts;
}

void AppFixture::SaveAs(const std::string& name) {
  dialogs.saveAnswers.push_back((folder / name).string());
  Trigger("SaveAs1");
}

void AppFixture::NewAndOpen(const std::string& name) {
  Trigger("New1");
  dialogs.openAnswers.push_back((folder / name).string());
  Trigger("Open1");
}

}  // namespace trabeo::testing
