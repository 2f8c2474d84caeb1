#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>

class QSettings;

// The beam data files last opened or saved, newest first, kept in the program's settings so the
// list outlives the program.
class RecentFiles {
 public:
  explicit RecentFiles(std::filesystem::path settingsFile);

  QStringList List() const;
  // Puts the file at the head of the list, once, dropping the oldest beyond kMaxFiles.
  void Add(const QString& path);
  void Remove(const QString& path);

  static constexpr int kMaxFiles = 8;

 private:
  std::unique_ptr<QSettings> Settings() const;
  void Store(const QStringList& files);

  std::filesystem::path settingsFile_;
};
