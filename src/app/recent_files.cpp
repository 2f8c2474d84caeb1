#include "app/recent_files.h"

#include <utility>

#include "app/app_settings.h"

namespace {

constexpr const char* kRecentFilesKey = "RecentFiles";

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path settingsFile)
    : settingsFile_(std::move(settingsFile)) {}

std::unique_ptr<QSettings> RecentFiles::Settings() const {
  return OpenSettings(settingsFile_);
}

QStringList RecentFiles::List() const {
  QStringList files = Settings()->value(kRecentFilesKey).toStringList();
  files.removeAll(QString());
  files.removeDuplicates();
  return files.mid(0, kMaxFiles);
}

void RecentFiles::Add(const QString& path) {
  QStringList files = List();
  files.removeAll(path);
  files.prepend(path);
  Store(files.mid(0, kMaxFiles));
}

void RecentFiles::Remove(const QString& path) {
  QStringList files = List();
  files.removeAll(path);
  Store(files);
}

void RecentFiles::Store(const QStringList& files) {
  Settings()->setValue(kRecentFilesKey, files);
}
