#pragma once

#include <QObject>
#include <filesystem>
#include <string>

#include "app/app_context.h"
#include "app/recent_files.h"

class TIndexFrm;

// The main window's commands on the beam data file and its printout: Open (from the dialog or
// the recent files), Save, Save As, Print (a preview) and Export PDF. The session reads and
// writes the file; this asks for the names, has the main window show what was opened and
// keeps the list of recent files.
class BeamFileCommands : public QObject {
  Q_OBJECT

 public:
  // `settingsFile`: where the recent files are kept; empty for the user's own settings.
  BeamFileCommands(AppContext& context, TIndexFrm& index, std::filesystem::path settingsFile);

  // Before New, Open or Exit: true when nothing would be lost, or the user saved the work or
  // chose to discard it; false when the user cancelled (or the save did not happen).
  bool MayDiscardWork();

 Q_SIGNALS:
  // Open ran File New and read the chosen file, or refused it: the entry forms are reset and,
  // when the file was taken, the section form shows its table and stored labels.
  void beamFileOpened(const trabeo::OpenBeamResult& opened);

 private:
  void Open();
  void OpenRecent(const QString& path);
  void OpenFile(const std::string& path);
  bool Save(trabeo::SaveCommand command);
  void Print();
  void ExportPdf();
  // The printed report of the session's beam, with the header's date and time of now.
  PrintDocument ReportDocument() const;
  void Remember(const std::string& path);
  void ForgetRecent(const QString& path);

  AppContext& context_;
  TIndexFrm& index_;
  RecentFiles recent_;
};
