#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "beam_input/beam_entry.h"
#include "beam_input/cantilever_restraints.h"
#include "beam_input/entry_sequence.h"
#include "beam_input/section_entry.h"
#include "beam_input/section_pick.h"
#include "beam_input/span_restraints.h"
#include "document/open_beam_file.h"
#include "document/save_beam_file.h"
#include "engine/analysis.h"
#include "model/beam_project.h"
#include "model/section_record.h"
#include "model/steel_beam_state.h"
#include "model/udl_outline.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "results/beam_report.h"
#include "results/diagram_geometry.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"
#include "results/load_diagram.h"
#include "results/point_results.h"
#include "settings/page_header.h"
#include "settings/preferences.h"
#include "settings/unit_settings.h"
#include "steel/beam_check/ec3_beam_check.h"
#include "timber/timber_section_window.h"

namespace trabeo {

// The load form's "Next >": the further checks' messages and where the sequence goes.
struct LoadsOutcome {
  std::vector<std::string> messages;
  bool stays = true;  // a check failed: the form stays open
  EntryStep next = EntryStep::MainWindowOnly;
};

// What the main window shows after an analysis.
struct AnalysisOutcome {
  bool ran = false;  // false without a beam, or when its results are not all finite
  std::vector<std::string> messages;  // to show after the results, in order
  // Every message of the analysis in the order it arose, including those the code checks showed
  // while they ran (the batch front end prints this).
  std::vector<std::string> messageLog;
  ListingLines listing;  // the results list, line by line
  Color listColour = colors::kBlack;
  bool saveEnabled = false;  // "Save" and "Save As"
  bool printEnabled = false;
};

// The one project of the program: the beam with its section, loads and restraints, the unit
// settings and page header in force, the last analysis with its listing stores and check texts,
// and whether the results shown belong to the beam as it now stands (`ResultsValid`). Every
// change to the beam goes through an operation here, so that the results are invalidated in one
// place; the desktop forms and the batch front end share these operations.
class ProjectSession {
 public:
  explicit ProjectSession(std::filesystem::path startFolder);
  ~ProjectSession();
  ProjectSession(const ProjectSession&) = delete;
  ProjectSession& operator=(const ProjectSession&) = delete;

  const std::filesystem::path& StartFolder() const { return startFolder_; }
  const BeamProject& project() const { return *project_; }
  const BeamModel& model() const { return project_->model; }
  const SectionValues& section() const { return project_->section; }
  const UnitSettings& units() const { return units_; }
  const HeaderTexts& header() const { return header_; }
  const AnalysisState& analysis() const { return *analysis_; }
  const BeamResults& results() const { return analysis_->results; }
  const SteelCheckState& steelCheck() const { return *steelCheck_; }
  const ListingStores& listing() const { return *listing_; }
  const UdlOutline& udlOutline() const { return udlOutline_; }
  int32_t ResultsValid() const { return resultsValid_; }
  const PointResultsState& pointResults() const { return *pointResults_; }
  // The parts of the last EN 1993 check; null unless the last analysis ran one.
  const Ec3BeamCheck* ec3Check() const { return ec3Check_ ? &*ec3Check_ : nullptr; }

  // --- settings and header
  // Start-up: the preferences from the units file in the start folder; the beam takes the
  // design code the file holds.
  void LoadPreferences();
  // The batch front end's units (from a file it was given, or the start-up defaults).
  void SetUnits(const UnitSettings& units);
  // OK of the preferences form. The codes offered may have changed, so the beam's own code
  // returns to none.
  void ApplyPreferences(const PreferenceChoices& choices);
  // "Save as default": writes the units file; an error text, empty on success.
  std::string SavePreferencesAsDefault() const;
  // "Reset to default values": the units file's settings; where it gives a design code, the
  // beam takes it, and where the file is missing the beam keeps its own.
  void ResetPreferencesFromFile();
  void ApplyHeader(const HeaderEntries& entries);
  // A module window opened or saved its own data file: the header texts that file brought back
  // and its name, which the printouts show.
  void ReplaceHeader(const HeaderTexts& texts);

  // --- beam entry
  // File New: forgets the beam, its loads, restraints and results, clears the project texts of
  // the header and reloads the preferences from the units file.
  void StartNew();
  // The section form lists a table family ("UB", ..., "Misc") or the timber group ("Timber").
  void ListSectionFamily(const std::string& family);
  // A line of the listed table was picked. Nothing changes when the file no longer holds it.
  std::optional<SectionPick> PickTableSection(const std::string& tableFile, std::size_t line,
                                              std::optional<SteelGrade> grade);
  SectionDesignUpdate ApplyGrade(std::optional<SteelGrade> grade);
  // The user typed a second moment of area: the section's fibre distance no longer goes with
  // it, which the code checks refuse.
  void MarkIxxTypedByUser();
  // The picture of the section form and the total length follow the boxes as they are typed.
  double ApplyTypedLengths(const BeamEntryTexts& texts);
  // The timber size boxes; the refusal message when a size is not a positive number.
  std::optional<std::string> ApplyTimberSize(std::string_view widthText,
                                             std::string_view depthText);
  // "Next >" of the section form.
  BeamEntryOutcome ApplyBeamEntry(const BeamEntryTexts& texts);
  // "Next >" of the timber section window: the section with its permissible values, E and Ixx
  // as the section form's boxes then show them, and the code the preferences allow. nullopt,
  // and nothing changes, when the window's labels give nothing to compute.
  std::optional<TimberHandOver> ApplyTimberSection(TimberSectionWindow& window);

  // --- loads
  // "Apply" on the load form: the outline of the distributed loads the form now holds.
  const UdlOutline& RebuildUdlOutline(const LoadTable& working);
  // "< Back": the rows as typed, without the checks of "Next >".
  void StoreLoads(const LoadTable& working, int32_t rowsInUse);
  // "Next >": stores the rows whatever the checks find (the form has shown the messages of its
  // row checks; `rowsValid` says whether there were none), then the further checks.
  LoadsOutcome ApplyLoads(const LoadTable& working, int32_t rowsInUse, bool rowsValid);

  // --- the span and cantilever restraint forms
  // Each form keeps what its controls hold in its own state; these operations apply the form's
  // rules to it and to the beam's restraints, and invalidate the results when the restraints
  // change. "Next >" invalidates them whatever it decides.
  void ShowSpanForm(SpanFormState& form);
  void PickSpanOption(SpanFormState& form, SpanOption option);
  void PickSpanFullyRestrained(SpanFormState& form);
  void SwitchSpanView(SpanFormState& form, Dialogs& dialogs);
  void ChangeRestraintCount(SpanFormState& form, int count);
  void PickRestraintSpacing(SpanFormState& form, bool equal);
  // The intervals were edited in the grid: read again without the default spacing.
  void ReadRestraintIntervals(SpanFormState& form);
  SpanNextResult AcceptSpanForm(SpanFormState& form, Dialogs& dialogs);
  // File New's reset of the span form.
  void ResetSpanForm(SpanFormState& form);
  CantileverNextResult AcceptCantileverForm(CantileverFormState& form, CantileverSide side,
                                            Dialogs& dialogs);

  // --- a whole beam at once
  // The batch front end's case.
  void LoadCase(const BeamProject& project);
  // File > "Open": File New, then the file's beam with its results, listing and check texts.
  OpenBeamResult OpenBeamFile(const std::filesystem::path& path);
  // File > "Save" and "Save As"; the file name chosen is asked through `dialogs`.
  SaveOutcome SaveBeamFile(SaveCommand command, Dialogs& dialogs);
  // An analysed beam (analysed here, or opened with its results) changed since it was last saved
  // or opened: File New, Open and Exit ask before they lose it.
  bool HasUnsavedWork() const { return analysed_ && changedSinceSave_; }
  // "Save changes to <file name>?", the name of a beam never saved being "Untitled".
  std::string SaveChangesQuestion() const;
  // The batch front end's save: the beam written to `path` as Save writes it, the file taking
  // that name. An error text, empty on success.
  std::string SaveBeamFileTo(const std::filesystem::path& path);

  // --- analysis and results
  // Input > "Beam" and "Loads": the listing and its stores, and the timber check's lines, are
  // emptied before the entry forms show; the steel check's texts stay until the next analysis.
  void ClearResults();
  // Runs the analysis with the code checks of the beam's design code, then writes the listing.
  // The checks may ask through `dialogs`. A beam whose results are not all finite (sizes or
  // loads beyond what the analysis can hold) gives that message and no results. A caller that
  // shows only the numbers may leave out the listing of a beam without a code check; a checked
  // beam's listing also settles its verdict and colour, so it is always written.
  enum class Listing { Written, OnlyForCodeChecks };
  AnalysisOutcome Analyse(Dialogs& dialogs, Listing listing = Listing::Written);
  // The desktop's analysis, whose results are read from the listing: as Analyse, but results too
  // large for the listing's formats ("#####") give kResultsTooLargeMessage and none are kept.
  // The batch program's JSON carries such results whole, so it analyses with Analyse.
  AnalysisOutcome AnalyseForListing(Dialogs& dialogs);
  // What the front ends show of the beam as it now stands: the printed report's inputs and the
  // main window's picture (load diagram, beam and result diagrams).
  BeamReportInputs ReportInputs() const;
  trabeo::DiagramInputs DiagramInputs() const;

  // --- results at a point
  // "Calculate" of the "Load at Point" window: asks for the distance through `dialogs`, only
  // while the results belong to the beam; the analysis's results are only read.
  PointCalculation CalculatePoint(Dialogs& dialogs);
  // "Clear" of that window; File New (and so Open) clears its lines too.
  void ClearPointResults();

 private:
  void Invalidate() {
    resultsValid_ = 0;
    changedSinceSave_ = true;
  }
  // The file's fields over the session's state. The file keeps the counts of the loads the load
  // diagram draws, which follow from the loads: they are computed into `drawn`, not kept.
  BeamFileData FileData(HeaderTexts& header, DrawnLoadCounts& drawn);
  void SetDesignCode(DesignCode code);
  // An opened beam file keeps a picked section's family and designation but not its whole
  // record, which an EN 1993 check needs: it is found again in the family's table.
  void RestoreSectionRecord();
  // Results listed as "#####": none are kept or shown, only the message naming what to check.
  AnalysisOutcome RefuseUnshownResults(const AnalysisOutcome& outcome);
  // After an analysis of a beam checked to EN 1993: the check, its messages after the rest.
  void RunEurocodeCheck(AnalysisOutcome& outcome);
  // Runs `change` on the beam's restraints; the results go when the restraints changed.
  void ChangeRestraints(const std::function<void(SteelRestraints&)>& change);

  std::filesystem::path startFolder_;
  std::unique_ptr<BeamProject> project_;
  UnitSettings units_;
  HeaderTexts header_;
  std::unique_ptr<AnalysisState> analysis_;
  std::unique_ptr<SteelCheckState> steelCheck_;
  std::unique_ptr<ListingStores> listing_;
  UdlOutline udlOutline_;
  std::unique_ptr<PointResultsState> pointResults_;
  std::optional<Ec3BeamCheck> ec3Check_;
  int32_t resultsValid_ = 0;
  bool analysed_ = false;
  bool changedSinceSave_ = false;
};

}  // namespace trabeo
