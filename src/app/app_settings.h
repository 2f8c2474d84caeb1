#pragma once

#include <QSettings>
#include <filesystem>
#include <memory>

// The program's own settings (recent files, the main window's place). A settings file of its
// own (the tests' folder) keeps the user's settings untouched; without one the settings of this
// user and program are used.
std::unique_ptr<QSettings> OpenSettings(const std::filesystem::path& settingsFile);

// The EN 1993 code switch, which the units file has no place for: saved as a default with the
// units file's settings, and read back at start-up (off until first saved).
bool ReadEurocodeSwitch(const std::filesystem::path& settingsFile);
void SaveEurocodeSwitch(const std::filesystem::path& settingsFile, bool on);
