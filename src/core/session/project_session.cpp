#include "session/project_session.h"

#include <utility>

#include "beam_input/load_entry.h"
#include "beam_input/new_project.h"
#include "engine/finite_results.h"
#include "results/results_listing.h"
#include "results/unshown_results.h"
#include "sections/section_table_file.h"
#include "settings/factored_loads.h"
#include "settings/unit_conversion.h"
#include "settings/units_file.h"
#include "steel/beam_check/steel_check_hook.h"
#include "timber/timber_shear_deflection.h"

namespace trabeo {
namespace {

// Passes every question and message on, and keeps the messages shown.
class MessageRecorder : public Dialogs {
 public:
  explicit MessageRecorder(Dialogs& dialogs) : dialogs_(dialogs) {}

  void Message(std::string_view text) override {
    messages.emplace_back(text);
    dialogs_.Message(text);
  }
  bool AskYesNo(std::string_view text) override { return dialogs_.AskYesNo(text); }
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override {
    return dialogs_.InputBox(caption, prompt, defaultText);
  }
  std::optional<std::string> OpenFileName(const FileDialogOptions& options) override {
    return dialogs_.OpenFileName(options);
  }
  std::optional<std::string> SaveFileName(const FileDialogOptions& options) override {
    return dialogs_.SaveFileName(options);
  }
  SaveChoice AskSaveChanges(std::string_view text) override {
    return dialogs_.AskSaveChanges(text);
  }

  std::vector<std::string> messages;

 private:
  Dialogs& dialogs_;
};

}  // namespace

ProjectSession::ProjectSession(std::filesystem::path startFolder)
    : startFolder_(std::move(startFolder)),
      project_(std::make_unique<BeamProject>()),
      analysis_(std::make_unique<AnalysisState>()),
      steelCheck_(std::make_unique<SteelCheckState>()),
      listing_(std::make_unique<ListingStores>()),
      pointResults_(std::make_unique<PointResultsState>()) {}

ProjectSession::~ProjectSession() = default;

void ProjectSession::LoadPreferences() {
  units_ = ReadUnitsFile(startFolder_, units_).settings;
  SetDesignCode(units_.DesignCode);
}

void ProjectSession::SetUnits(const UnitSettings& units) {
  units_ = units;
}

void ProjectSession::ApplyPreferences(const PreferenceChoices& choices) {
  ApplyChoices(choices, units_);
  SetDesignCode(DesignCode::None);
}

std::string ProjectSession::SavePreferencesAsDefault() const {
  return WriteUnitsFile(startFolder_, units_);
}

void ProjectSession::ResetPreferencesFromFile() {
  UnitSettings current = units_;
  current.DesignCode = project_->model.DesignCode;
  units_ = ReadUnitsFile(startFolder_, current).settings;
  SetDesignCode(units_.DesignCode);
}

void ProjectSession::ApplyHeader(const HeaderEntries& entries) {
  ApplyHeaderEntries(entries, header_);
}

void ProjectSession::ReplaceHeader(const HeaderTexts& texts) {
  header_ = texts;
}

void ProjectSession::StartNew() {
  ResetProjectForNew(*project_, header_, units_, startFolder_);
  analysis_->results.Reactions = {};
  trabeo::ClearPointResults(*pointResults_);
  ec3Check_.reset();
  Invalidate();
  analysed_ = false;
  changedSinceSave_ = false;
}

void ProjectSession::ListSectionFamily(const std::string& family) {
  project_->section.SectionFamily = family;
}

std::optional<SectionPick> ProjectSession::PickTableSection(const std::string& tableFile,
                                                            std::size_t line,
                                                            std::optional<SteelGrade> grade) {
  const std::optional<SectionRecord> picked = PickSectionRecord(startFolder_, tableFile, line);
  if (!picked) return std::nullopt;
  Invalidate();
  return ApplyPickedSection(*picked, grade, units_, *project_);
}

SectionDesignUpdate ProjectSession::ApplyGrade(std::optional<SteelGrade> grade) {
  Invalidate();
  return ApplySteelGrade(project_->section, grade);
}

void ProjectSession::MarkIxxTypedByUser() {
  project_->model.FibreDistance = kIxxTypedByUser;
  Invalidate();
}

double ProjectSession::ApplyTypedLengths(const BeamEntryTexts& texts) {
  const double total = TotalLengthFromTexts(texts, units_);
  if (total != project_->model.TotalLength) Invalidate();
  project_->model.TotalLength = total;
  return total;
}

std::optional<std::string> ProjectSession::ApplyTimberSize(std::string_view widthText,
                                                           std::string_view depthText) {
  const double width = TypedToInternal(units_, UnitQuantity::SectLength, widthText);
  const double depth = TypedToInternal(units_, UnitQuantity::SectLength, depthText);
  // Sizes below zero are refused with the zero ones: no timber section has them.
  if (!(width > 0) || !(depth > 0)) return std::string(kInputBeamSizeMessage);
  project_->section.TimberWidth = static_cast<float>(width);
  project_->section.TimberDepth = static_cast<float>(depth);
  Invalidate();
  return std::nullopt;
}

BeamEntryOutcome ProjectSession::ApplyBeamEntry(const BeamEntryTexts& texts) {
  Invalidate();
  return trabeo::ApplyBeamEntry(texts, units_, *project_);
}

// E and Ixx go into the span as the section form will read them back from its boxes, so the
// beam stays whole (section, permissible values and stiffness together) even before that form's
// "Next >".
std::optional<TimberHandOver> ProjectSession::ApplyTimberSection(TimberSectionWindow& window) {
  std::optional<TimberHandOver> handOver = NextFromTimberSection(window, units_, *project_);
  if (!handOver) return std::nullopt;
  TakeTimberStiffness(*handOver, units_, project_->model);
  Invalidate();
  return handOver;
}

const UdlOutline& ProjectSession::RebuildUdlOutline(const LoadTable& working) {
  udlOutline_ = BuildUdlOutline(working);
  return udlOutline_;
}

void ProjectSession::StoreLoads(const LoadTable& working, int32_t rowsInUse) {
  if (!(working == project_->model.Loads)) Invalidate();
  project_->model.Loads = working;
  project_->LoadRowCount = rowsInUse;
}

LoadsOutcome ProjectSession::ApplyLoads(const LoadTable& working, int32_t rowsInUse,
                                        bool rowsValid) {
  LoadsOutcome outcome;
  udlOutline_ = BuildUdlOutline(working);
  outcome.messages = NextLoadChecks(working);
  project_->model.Loads = working;
  project_->LoadRowCount = rowsInUse;
  Invalidate();
  if (!rowsValid || !outcome.messages.empty()) return outcome;
  outcome.stays = false;
  outcome.next = AfterLoadForm(project_->model.DesignCode, project_->section);
  return outcome;
}

void ProjectSession::LoadCase(const BeamProject& project) {
  *project_ = project;
  Invalidate();
}

BeamFileData ProjectSession::FileData(HeaderTexts& header, DrawnLoadCounts& drawn) {
  drawn = CountDrawnLoads(project_->model.Loads);
  return {*project_,
          units_,
          header,
          *steelCheck_,
          *analysis_,
          *listing_,
          drawn.UdlDrawnCount,
          drawn.PointLoadDrawnCount};
}

OpenBeamResult ProjectSession::OpenBeamFile(const std::filesystem::path& path) {
  StartNew();
  DrawnLoadCounts read;
  OpenBeamResult opened = trabeo::OpenBeamFile(path, FileData(header_, read));
  if (opened.opened) {
    udlOutline_ = opened.udlOutline;
    resultsValid_ = opened.ResultsValid;
    RestoreSectionRecord();
    analysed_ = resultsValid_ == 1;
    changedSinceSave_ = false;
  }
  return opened;
}

void ProjectSession::RestoreSectionRecord() {
  SectionValues& s = project_->section;
  if (!IsSteelKind(s.SectionKind) || s.SectionFamily.empty()) return;
  for (const SectionRecord& record : ReadSectionTable(startFolder_, s.SectionFamily + ".sct")) {
    if (!record.IsSeparator() && record.Designation == s.SectionDescription) {
      s.Record = record;
      return;
    }
  }
}

void ProjectSession::RunEurocodeCheck(AnalysisOutcome& outcome) {
  ec3Check_.reset();
  if (project_->model.DesignCode != DesignCode::EN1993) return;
  ec3Check_ = RunEc3BeamCheck(*project_, analysis_->results, *steelCheck_);
  for (const std::string& message : ec3Check_->messages) {
    outcome.messages.push_back(message);
    outcome.messageLog.push_back(message);
  }
}

SaveOutcome ProjectSession::SaveBeamFile(SaveCommand command, Dialogs& dialogs) {
  DrawnLoadCounts drawn;
  SaveOutcome saved = SaveBeam(command, FileData(header_, drawn), dialogs);
  if (saved.saved) changedSinceSave_ = false;
  return saved;
}

std::string ProjectSession::SaveChangesQuestion() const {
  const std::string& file = header_.CurrentFileName;
  const std::string name =
      file.empty() ? std::string("Untitled") : std::filesystem::path(file).filename().string();
  return "Save changes to " + name + "?";
}

std::string ProjectSession::SaveBeamFileTo(const std::filesystem::path& path) {
  HeaderTexts header = header_;
  header.CurrentFileName = path.string();
  DrawnLoadCounts drawn;
  std::string problem = WriteBeamFile(path, FileData(header, drawn));
  if (problem.empty()) {
    header_.CurrentFileName = header.CurrentFileName;
    changedSinceSave_ = false;
  }
  return problem;
}

BeamReportInputs ProjectSession::ReportInputs() const {
  return {*project_,    analysis_->results, *listing_,
          *steelCheck_, udlOutline_,        CountDrawnLoads(project_->model.Loads),
          units_};
}

DiagramInputs ProjectSession::DiagramInputs() const {
  return {project_->model, analysis_->results, udlOutline_, units_, resultsValid_ == 1};
}

void ProjectSession::ClearResults() {
  listing_->Clear();
  TimberBeamValues& timber = project_->timber;
  timber.TimberCodeLine.clear();
  timber.TimberVerdict.clear();
  timber.TimberTorsionNote.clear();
}

AnalysisOutcome ProjectSession::Analyse(Dialogs& dialogs, Listing listingWanted) {
  AnalysisOutcome outcome;
  udlOutline_ = BuildUdlOutline(project_->model.Loads);

  // The checks show their messages as they arise; the log keeps them in order with the rest.
  MessageRecorder recorder(dialogs);
  std::size_t checkMessagesAt = 0;
  AnalysisHooks hooks;
  const auto steelCheck = MakeSteelCheckHook(*project_, units_, recorder, *steelCheck_);
  hooks.steelCheck = [&](const BeamModel& model, AnalysisState& state,
                         std::vector<std::string>& messages) {
    checkMessagesAt = messages.size();
    steelCheck(model, state, messages);
  };

  hooks.timberShearDeflection = TimberShearDeflectionHook(project_->timber.TimberShearStiffness);
  AnalysisReport report = RunAnalysis(project_->model, *analysis_, hooks);
  if (!report.ran) return outcome;
  SettleFactoredLoads(units_, project_->model.Loads);
  if (!ResultsAreFinite(analysis_->results)) {
    outcome.messages = {kResultsNotFiniteMessage};
    outcome.messageLog = outcome.messages;
    return outcome;
  }
  resultsValid_ = 1;
  analysed_ = true;
  outcome.ran = true;
  outcome.messageLog = report.messages;
  outcome.messageLog.insert(
      outcome.messageLog.begin() + static_cast<std::ptrdiff_t>(checkMessagesAt),
      recorder.messages.begin(), recorder.messages.end());
  outcome.messages = std::move(report.messages);
  RunEurocodeCheck(outcome);
  if (listingWanted == Listing::OnlyForCodeChecks && project_->model.DesignCode == DesignCode::None)
    return outcome;

  CodeCheckListing codeCheck;
  codeCheck.steel.check = steelCheck_.get();
  if (ec3Check_) codeCheck.steel.ec3 = &*ec3Check_;
  ResultsListing listing =
      WriteResultsListing(*project_, analysis_->results, units_, codeCheck, *listing_);
  StoreTimberVerdict(codeCheck.timber, project_->timber);
  outcome.listing = std::move(listing.lines);
  outcome.listColour = listing.color;
  // The steel check's warning block in place of the results is nothing to keep or print.
  outcome.saveEnabled = !listing.warningBlockShown;
  outcome.printEnabled = !listing.warningBlockShown;
  return outcome;
}

AnalysisOutcome ProjectSession::AnalyseForListing(Dialogs& dialogs) {
  AnalysisOutcome outcome = Analyse(dialogs);
  if (outcome.ran && ListingHasUnshownResult(outcome.listing)) return RefuseUnshownResults(outcome);
  return outcome;
}

AnalysisOutcome ProjectSession::RefuseUnshownResults(const AnalysisOutcome& outcome) {
  ClearResults();
  ec3Check_.reset();
  Invalidate();
  AnalysisOutcome refused;
  refused.messages = {kResultsTooLargeMessage};
  refused.messageLog = outcome.messageLog;
  refused.messageLog.push_back(kResultsTooLargeMessage);
  return refused;
}

PointCalculation ProjectSession::CalculatePoint(Dialogs& dialogs) {
  const PointInputs inputs{project_->model, analysis_->results, units_, resultsValid_};
  return RunPointCalculate(*pointResults_, inputs, dialogs);
}

void ProjectSession::ClearPointResults() {
  trabeo::ClearPointResults(*pointResults_);
}

void ProjectSession::SetDesignCode(DesignCode code) {
  if (code != project_->model.DesignCode) Invalidate();
  project_->model.DesignCode = code;
}

}  // namespace trabeo
