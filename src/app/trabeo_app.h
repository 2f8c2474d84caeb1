#pragma once

#include <filesystem>
#include <memory>

#include "platform/dialogs.h"

using trabeo::Dialogs;

struct AppOptions {
  std::filesystem::path startFolder;
  Dialogs* dialogs = nullptr;  // null: the real Qt dialogs
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

 private:
  std::unique_ptr<TrabeoApplicationPrivate> d_;
};
