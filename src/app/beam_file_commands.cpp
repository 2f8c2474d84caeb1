#include "app/beam_file_commands.h"

#include <system_error>
#include <utility>

#include "app/busy_cursor.h"
#include "app/index_form.h"
#include "app/print/header_date_time.h"
#include "app/qt_text.h"
#include "results/beam_report.h"

namespace {

constexpr const char* kPdfFilter = "PDF document  (*.pdf)";
constexpr const char* kPdfExtension = "pdf";

// The report goes beside the beam file under the beam file's name, when there is one.
trabeo::FileDialogOptions PdfFileDialog(const std::string& beamFile) {
  trabeo::FileDialogOptions options;
  options.title = "Export PDF";
  options.filter = kPdfFilter;
  options.defaultExtension = kPdfExtension;
  options.overwritePrompt = true;
  if (!beamFile.empty()) {
    const std::filesystem::path path(beamFile);
    options.initialFolder = path.parent_path().string();
    options.initialName = path.stem().string() + "." + kPdfExtension;
  }
  return options;
}

// The dialog adds the extension to a name typed without one; a name from elsewhere gets it here.
std::string WithPdfExtension(const std::string& chosen) {
  std::filesystem::path path(chosen);
  if (!path.has_extension()) path += std::string(".") + kPdfExtension;
  return path.string();
}

}  // namespace

BeamFileCommands::BeamFileCommands(AppContext& context, TIndexFrm& index,
                                   std::filesystem::path settingsFile)
    : QObject(&index), context_(context), index_(index), recent_(std::move(settingsFile)) {
  connect(&index_, &TIndexFrm::openRequested, this, &BeamFileCommands::Open);
  connect(&index_, &TIndexFrm::recentFileRequested, this, &BeamFileCommands::OpenRecent);
  connect(&index_, &TIndexFrm::saveRequested, this, [this] { Save(trabeo::SaveCommand::Save); });
  connect(&index_, &TIndexFrm::saveAsRequested, this,
          [this] { Save(trabeo::SaveCommand::SaveAs); });
  connect(&index_, &TIndexFrm::printRequested, this, &BeamFileCommands::Print);
  connect(&index_, &TIndexFrm::exportPdfRequested, this, &BeamFileCommands::ExportPdf);
  index_.SetRecentFiles(recent_.List());
}

bool BeamFileCommands::MayDiscardWork() {
  if (!context_.session.HasUnsavedWork()) return true;
  switch (context_.dialogs.AskSaveChanges(context_.session.SaveChangesQuestion())) {
    case trabeo::SaveChoice::Save:
      return Save(trabeo::SaveCommand::Save);
    case trabeo::SaveChoice::Discard:
      return true;
    case trabeo::SaveChoice::Cancel:
      break;
  }
  return false;
}

void BeamFileCommands::Open() {
  index_.HideIntroPanel();
  if (!MayDiscardWork()) return;
  const auto chosen = context_.dialogs.OpenFileName(trabeo::OpenBeamFileDialog());
  if (chosen) OpenFile(*chosen);
}

// A file that has gone since is dropped from the list, and the beam in hand stays: File New
// runs only for a file there is to read.
void BeamFileCommands::OpenRecent(const QString& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path.toStdString(), error)) {
    context_.dialogs.Message("The file " + path.toStdString() + " was not found.");
    ForgetRecent(path);
    return;
  }
  index_.HideIntroPanel();
  if (!MayDiscardWork()) return;
  OpenFile(path.toStdString());
}

void BeamFileCommands::OpenFile(const std::string& path) {
  trabeo::OpenBeamResult opened;
  {
    BusyCursor busy;
    opened = context_.session.OpenBeamFile(path);
    index_.ShowOpenedFile(opened);
    Q_EMIT beamFileOpened(opened);
  }
  for (const std::string& message : opened.messages)
    context_.dialogs.Message(message);
  if (opened.opened) Remember(path);
}

// The session falls back to Save As and shows "File Saving Error"; the caption names the file
// the beam now belongs to.
bool BeamFileCommands::Save(trabeo::SaveCommand command) {
  const trabeo::SaveOutcome saved = context_.session.SaveBeamFile(command, context_.dialogs);
  if (!saved.saved) return false;
  index_.setWindowTitle(ToQString(saved.fileName));
  Remember(saved.fileName);
  return true;
}

void BeamFileCommands::Print() {
  if (!trabeo::HasResultsToPrint(context_.session.results())) {
    context_.dialogs.Message(trabeo::kNothingToPrintMessage);
    return;
  }
  context_.printing.Preview(&index_, "Beam Report", ReportDocument());
}

void BeamFileCommands::ExportPdf() {
  if (!trabeo::HasResultsToPrint(context_.session.results())) {
    context_.dialogs.Message(trabeo::kNothingToPrintMessage);
    return;
  }
  const auto chosen =
      context_.dialogs.SaveFileName(PdfFileDialog(context_.session.header().CurrentFileName));
  if (!chosen) return;
  const std::string problem =
      context_.printing.ExportPdf(WithPdfExtension(*chosen), ReportDocument());
  if (!problem.empty()) context_.dialogs.Message(problem);
}

PrintDocument BeamFileCommands::ReportDocument() const {
  return [this, dateTime = HeaderDateTimeNow()](trabeo::PrintJob& job) {
    const trabeo::ProjectSession& session = context_.session;
    const trabeo::HeaderSource header{session.header(), kProgramTitle, dateTime};
    return trabeo::PrintBeamReport(job, session.ReportInputs(), header).printed;
  };
}

void BeamFileCommands::Remember(const std::string& path) {
  recent_.Add(ToQString(path));
  index_.SetRecentFiles(recent_.List());
}

void BeamFileCommands::ForgetRecent(const QString& path) {
  recent_.Remove(path);
  index_.SetRecentFiles(recent_.List());
}
