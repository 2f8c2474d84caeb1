#include "app/app_settings.h"

namespace {

constexpr const char* kEurocodeSwitchKey = "Codes/SteelEN1993";

}  // namespace

bool ReadEurocodeSwitch(const std::filesystem::path& settingsFile) {
  return OpenSettings(settingsFile)->value(kEurocodeSwitchKey, false).toBool();
}

void SaveEurocodeSwitch(const std::filesystem::path& settingsFile, bool on) {
  OpenSettings(settingsFile)->setValue(kEurocodeSwitchKey, on);
}

std::unique_ptr<QSettings> OpenSettings(const std::filesystem::path& settingsFile) {
  if (settingsFile.empty()) return std::make_unique<QSettings>();
  return std::make_unique<QSettings>(QString::fromStdString(settingsFile.string()),
                                     QSettings::IniFormat);
}
