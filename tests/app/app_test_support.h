#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app/trabeo_app.h"
#include "session/project_session.h"
#include "support/recording_print_job.h"
#include "support/scripted_dialogs.h"

namespace trabeo::testing {

// Prints every document into a recording print job; "Export PDF" records the path asked for.
class RecordingPrinting : public Printing {
 public:
  void Preview(QWidget*, const std::string& title, const PrintDocument& document) override {
    titles.push_back(title);
    job = std::make_unique<RecordingPrintJob>();
    printed = document(*job);
  }
  std::string ExportPdf(const std::string& path, const PrintDocument& document) override {
    pdfPaths.push_back(path);
    job = std::make_unique<RecordingPrintJob>();
    printed = document(*job);
    return {};
  }

  std::vector<std::string> titles;
  std::vector<std::string> pdfPaths;
  std::unique_ptr<RecordingPrintJob> job;  // the last document printed
  bool printed = false;
};

// Keeps what "Copy to Clipboard" copied.
class RecordingClipboard : public Clipboard {
 public:
  void SetText(const std::string& copied) override { text = copied; }

  std::string text;
};

// A started program in a folder of its own, answering dialogs from a script.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The top-level form of the given class ("TIndexFrm", "TBeamFrm", ...).
  QWidget* Form(const char* className) const;
  // A control of a form by its objectName; fails the test when missing.
  template <typename T>
  T* Control(const char* className, const char* objectName) const {
    QWidget* form = Form(className);
    if (form == nullptr) return nullptr;
    T* control = form->findChild<T*>(objectName);
    EXPECT_NE(control, nullptr) << className << " has no " << objectName;
    return control;
  }
  // A menu command of the main window by its objectName.
  QAction* MenuAction(const char* objectName) const;
  void Trigger(const char* objectName) const;
  void Click(const char* className, const char* objectName) const;
  void Type(const char* className, const char* objectName, const QString& text) const;
  QStringList ListLines(const char* className, const char* objectName) const;
  // A key pressed while `target` has the focus; what it leaves unused goes on to its form.
  static void PressKey(QWidget* target, Qt::Key key);
  // Minimised and restored by the window system, which shows the window again on its own.
  static void MinimiseAndRestore(QWidget* window);

  // The project as the tests set it up, through the session as a whole beam.
  ProjectSession& session() const { return app->session(); }
  void Load(const BeamProject& project) const { session().LoadCase(project); }
  // A 6 m simple span (E 205000 N/mm2, Ixx 1e8 mm4) with 10 kN at mid-span.
  static BeamProject SimpleBeam();
  // Loads the project and analyses it as the end of the entry sequence does.
  void LoadAnalysed(const BeamProject& project) const;
  // The preferences' code switches, as if set on the preferences form.
  void EnableCodes(bool steel5950, bool timber5268) const;
  // File > Print, and every text of the printed report but the header's date and time; empty
  // when nothing was printed.
  std::vector<std::string> PrintedTextsWithoutTime();
  // File > Save As to `name` in the test's folder; File > New, then File > Open of that file.
  void SaveAs(const std::string& name);
  void NewAndOpen(const std::string& name);

  std::filesystem::path folder;
  ScriptedDialogs dialogs;
  RecordingPrinting printing;
  RecordingClipboard clipboard;
  std::unique_ptr<TrabeoApplication> app;
};

}  // namespace trabeo::testing
