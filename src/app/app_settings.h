#pragma once

#include <QSettings>
#include <filesystem>
#include <memory>

// The program's own settings (recent files, the main window's place). A settings file of its
// own (the tests' folder) keeps the user's settings untouched; without one the settings of this
// user and program are used.
std::unique_ptr<QSettings> OpenSettings(const std::filesystem::path& settingsFile);
