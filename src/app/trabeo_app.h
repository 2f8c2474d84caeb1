#pragma once

#include <filesystem>
#include <memory>

#include "app/clipboard.h"
#include "app/printing.h"
#include "platform/dialogs.h"
#include "session/project_session.h"

class EntryFlow;

using trabeo::Dialogs;

struct AppOptions {
  std::filesystem::path startFolder;
  Dialogs* dialogs = nullptr;    // null: the real Qt dialogs
  Printing* printing = nullptr;  // null: Qt's print preview and PDF printer
  // null: the desktop's clipboard
  Clipboard* clipboard = nullptr;
  // Where the recent files are kept: empty for this user's settings of the program; the tests
  // give a file of their own.
  std::filesystem::path settingsFile = {};
};

class TrabeoApplicationPrivate;

// The desktop program: creates every form once and shows the main window. Forms are found by
// their class names among the application's top-level widgets, their controls by objectName.
class TrabeoApplication {
 public:
  explicit TrabeoApplication(const AppOptions& options);
  ~TrabeoApplication();
  TrabeoApplication(const TrabeoApplication&) = delete;
  TrabeoApplication& operator=(const TrabeoApplication&) = delete;

  void start();

  // The project and the entry sequence, for the program's own tests to set up and inspect.
  trabeo::ProjectSession& session();
  EntryFlow& entryFlow();

 private:
  std::unique_ptr<TrabeoApplicationPrivate> d_;
};
