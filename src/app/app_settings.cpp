#include "app/app_settings.h"

std::unique_ptr<QSettings> OpenSettings(const std::filesystem::path& settingsFile) {
  if (settingsFile.empty()) return std::make_unique<QSettings>();
  return std::make_unique<QSettings>(QString::fromStdString(settingsFile.string()),
                                     QSettings::IniFormat);
}
