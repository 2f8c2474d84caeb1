#include "session/project_session.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sections/catalogue/catalogue.h"
#include "settings/unit_options.h"
#include "settings/units_file.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

class ProjectSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("trabeo-session-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A 6 m simple span with 10 kN at mid-span: 5 kN at each support.
  static BeamProject SimpleBeam() {
    BeamProject project;
    project.model.MainSpan = {1, 6000, 205000, 1e8, 0};
    project.model.TotalLength = 6000;
    project.model.SectionIxx = 1e8f;
    project.model.FibreDistance = 100;
    project.model.Loads.row(1) = {kPointLoadKind, 3000, 10000, 0, 0, 1, 1, 0};
    project.LoadRowCount = 5;
    return project;
  }
  static BeamEntryTexts SimpleBeamTexts() {
    BeamEntryTexts texts;
    texts.spanLength = "6";
    texts.E = "205000";
    texts.Ixx = "10000";
    return texts;
  }
  void AnalyseSimpleBeam(ProjectSession& session) {
    session.LoadCase(SimpleBeam());
    ASSERT_TRUE(session.Analyse(dialogs_).ran);
    ASSERT_EQ(session.ResultsValid(), 1);
  }

  fs::path folder_;
  testing::ScriptedDialogs dialogs_;
};

TEST_F(ProjectSessionTest, AnalysisGivesResultsListingAndFileCommands) {
  ProjectSession session(folder_);
  session.SetUnits(UnitSettings{});
  session.LoadCase(SimpleBeam());
  EXPECT_EQ(session.ResultsValid(), 0);
  const AnalysisOutcome outcome = session.Analyse(dialogs_);
  ASSERT_TRUE(outcome.ran);
  EXPECT_EQ(session.ResultsValid(), 1);
  EXPECT_NEAR(session.results().Reactions[0], 5000, 1e-6);
  EXPECT_NEAR(session.results().Reactions[1], 5000, 1e-6);
  EXPECT_TRUE(outcome.saveEnabled);
  EXPECT_TRUE(outcome.printEnabled);
  ASSERT_FALSE(outcome.listing.empty());
  EXPECT_EQ(session.listing().SummaryPrintLines.Count() > 0, true);
}

// Only an analysed beam changed since it was saved or opened is work to ask about.
TEST_F(ProjectSessionTest, UnsavedWorkIsAnAnalysedBeamChangedSinceSaved) {
  ProjectSession session(folder_);
  session.LoadCase(SimpleBeam());
  EXPECT_FALSE(session.HasUnsavedWork());  // entered, never analysed
  AnalyseSimpleBeam(session);
  EXPECT_TRUE(session.HasUnsavedWork());
  EXPECT_EQ(session.SaveChangesQuestion(), "Save changes to Untitled?");

  const fs::path file = folder_ / "work.trb";
  ASSERT_EQ(session.SaveBeamFileTo(file), "");
  EXPECT_FALSE(session.HasUnsavedWork());
  session.MarkIxxTypedByUser();
  EXPECT_TRUE(session.HasUnsavedWork());
  EXPECT_EQ(session.SaveChangesQuestion(), "Save changes to work.trb?");

  ASSERT_TRUE(session.OpenBeamFile(file).opened);
  EXPECT_FALSE(session.HasUnsavedWork());
  session.MarkIxxTypedByUser();
  EXPECT_TRUE(session.HasUnsavedWork());
  session.StartNew();
  EXPECT_FALSE(session.HasUnsavedWork());
}

TEST_F(ProjectSessionTest, NoBeamMeansNoAnalysis) {
  ProjectSession session(folder_);
  const AnalysisOutcome outcome = session.Analyse(dialogs_);
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(session.ResultsValid(), 0);
}

// Every operation that changes the beam leaves results that no longer belong to it.
TEST_F(ProjectSessionTest, EveryKindOfEditInvalidatesTheResults) {
  ASSERT_TRUE(WriteCatalogue(folder_).empty());
  LoadTable moreLoad = SimpleBeam().model.Loads;
  moreLoad.row(2) = {kPointLoadKind, 1000, 2000, 0, 0, 1, 1, 0};
  BeamEntryTexts longer = SimpleBeamTexts();
  longer.spanLength = "7";
  PreferenceChoices choices = ChoicesShowing(UnitSettings{});

  const std::vector<std::pair<const char*, std::function<void(ProjectSession&)>>> edits{
      {"section form Next", [](ProjectSession& s) { s.ApplyBeamEntry(SimpleBeamTexts()); }},
      {"lengths typed", [&](ProjectSession& s) { s.ApplyTypedLengths(longer); }},
      {"Ixx typed", [](ProjectSession& s) { s.MarkIxxTypedByUser(); }},
      {"section picked",
       [](ProjectSession& s) { s.PickTableSection("UB.sct", 8, SteelGrade::S275); }},
      {"grade", [](ProjectSession& s) { s.ApplyGrade(SteelGrade::S355); }},
      {"timber sizes", [](ProjectSession& s) { s.ApplyTimberSize("75", "200"); }},
      {"timber section handed over",
       [](ProjectSession& s) {
         TimberSectionWindow window;
         window.labels.lbl_Width = "75";
         window.labels.lbl_Depth = "200";
         ASSERT_TRUE(s.ApplyTimberSection(window));
         // The span takes the stiffness the section form's boxes show: 7200 N/mm2, 5000 cm4.
         EXPECT_EQ(s.model().MainSpan.E, 7200);
         EXPECT_EQ(s.model().MainSpan.Ixx, 5e7);
       }},
      {"loads stored by Back", [&](ProjectSession& s) { s.StoreLoads(moreLoad, 5); }},
      {"loads Next", [&](ProjectSession& s) { s.ApplyLoads(s.model().Loads, 5, true); }},
      {"span restraint picked",
       [](ProjectSession& s) {
         SpanFormState form;
         s.PickSpanOption(form, SpanOption::LhBothFree);
       }},
      {"span form Next refused",
       [&](ProjectSession& s) {
         SpanFormState form;
         s.AcceptSpanForm(form, dialogs_);
       }},
      {"cantilever form Next refused",
       [&](ProjectSession& s) {
         CantileverFormState form;
         s.AcceptCantileverForm(form, CantileverSide::Lh, dialogs_);
       }},
      {"a whole case", [](ProjectSession& s) { s.LoadCase(SimpleBeam()); }},
      {"File New", [](ProjectSession& s) { s.StartNew(); }},
      {"preferences withdraw the code",
       [&](ProjectSession& s) {
         BeamProject coded = SimpleBeam();
         coded.model.DesignCode = DesignCode::BS449;
         s.LoadCase(coded);
         s.Analyse(dialogs_);
         ASSERT_EQ(s.ResultsValid(), 1);
         s.ApplyPreferences(choices);
       }},
  };
  for (const auto& [name, edit] : edits) {
    ProjectSession session(folder_);
    AnalyseSimpleBeam(session);
    edit(session);
    EXPECT_EQ(session.ResultsValid(), 0) << name;
  }

  // What does not change the beam keeps them.
  const std::vector<std::pair<const char*, std::function<void(ProjectSession&)>>> keeps{
      {"same loads stored", [](ProjectSession& s) { s.StoreLoads(s.model().Loads, 5); }},
      {"same lengths", [](ProjectSession& s) { s.ApplyTypedLengths(SimpleBeamTexts()); }},
      {"results cleared for an entry form", [](ProjectSession& s) { s.ClearResults(); }},
      {"outline of the load form", [](ProjectSession& s) { s.RebuildUdlOutline(LoadTable{}); }},
      {"header",
       [](ProjectSession& s) {
         s.ApplyHeader({"Company", "", "", "", "", ""});
       }},
      {"refused timber sizes", [](ProjectSession& s) { s.ApplyTimberSize("0", "200"); }},
      {"timber section without sizes",
       [](ProjectSession& s) {
         TimberSectionWindow window;
         EXPECT_FALSE(s.ApplyTimberSection(window));
       }},
  };
  for (const auto& [name, keep] : keeps) {
    ProjectSession session(folder_);
    AnalyseSimpleBeam(session);
    keep(session);
    EXPECT_EQ(session.ResultsValid(), 1) << name;
  }
}

TEST_F(ProjectSessionTest, FileNewKeepsCompanyUserAndTheSavedUnitsOnly) {
  UnitSettings saved;
  saved.LengthUnitName = "mm";
  saved.LengthFactor = 1;
  ASSERT_EQ(WriteUnitsFile(folder_, saved), "");

  ProjectSession session(folder_);
  UnitSettings working = saved;
  working.LengthUnitName = "ft";
  working.LengthFactor = 304.8f;
  session.SetUnits(working);
  BeamProject project = SimpleBeam();
  project.restraints.SpanRestraintFlags[2] = 1;
  project.restraints.IntermediateRestraints = 1;
  project.restraints.SpanLeText = "0.85L";
  project.timber.TimberShearStiffness = 5.6e6f;
  project.timber.TimberSummaryLines.Set(1, " 75 x 200  C24 Timber");
  session.LoadCase(project);
  session.ApplyHeader({"Company", "User", "Project 1", "Project 2", "Job", "Ref"});
  session.Analyse(dialogs_);

  session.StartNew();
  EXPECT_EQ(session.ResultsValid(), 0);
  EXPECT_EQ(session.header().HeaderCompany, "Company");
  EXPECT_EQ(session.header().HeaderUser, "User");
  for (const std::string* text :
       {&session.header().HeaderProject1, &session.header().HeaderProject2,
        &session.header().HeaderJobDesc, &session.header().HeaderJobRef,
        &session.header().CurrentFileName})
    EXPECT_TRUE(text->empty());
  EXPECT_EQ(session.units().LengthUnitName, "mm");
  EXPECT_EQ(session.model().TotalLength, 0);
  EXPECT_EQ(session.model().Loads, LoadTable{});
  EXPECT_EQ(session.results().Reactions[0], 0);
  EXPECT_EQ(session.project().restraints.SpanRestraintFlags[2], 0);
  EXPECT_EQ(session.project().restraints.IntermediateRestraints, 0);
  EXPECT_TRUE(session.project().restraints.SpanLeText.empty());
  EXPECT_EQ(session.project().timber.TimberShearStiffness, 0);
  EXPECT_TRUE(session.project().timber.TimberSummaryLines[1].empty());
}

TEST_F(ProjectSessionTest, PreferencesChangeTheNextListing) {
  ProjectSession session(folder_);
  session.SetUnits(UnitSettings{});
  AnalyseSimpleBeam(session);
  const AnalysisOutcome inKilonewtons = session.Analyse(dialogs_);
  ASSERT_FALSE(inKilonewtons.listing.empty());
  EXPECT_NE(std::find(inKilonewtons.listing.begin(), inKilonewtons.listing.end(),
                      " LH Reaction = 5.000 kN"),
            inKilonewtons.listing.end());

  PreferenceChoices choices = ChoicesShowing(session.units());
  choices.unitOption(UnitQuantity::Shear) = FindUnitOption(UnitQuantity::Shear, "N");
  session.ApplyPreferences(choices);
  const AnalysisOutcome inNewtons = session.Analyse(dialogs_);
  EXPECT_NE(std::find(inNewtons.listing.begin(), inNewtons.listing.end(), " LH Reaction = 5000 N"),
            inNewtons.listing.end());
}

TEST_F(ProjectSessionTest, SavedBeamOpensWithItsResultsInANewProgram) {
  const fs::path file = folder_ / "simple.trb";
  {
    ProjectSession session(folder_);
    AnalyseSimpleBeam(session);
    dialogs_.saveAnswers = {file.string()};
    const SaveOutcome saved = session.SaveBeamFile(SaveCommand::SaveAs, dialogs_);
    ASSERT_TRUE(saved.saved);
    EXPECT_EQ(session.header().CurrentFileName, file.string());
  }
  ProjectSession reopened(folder_);
  reopened.LoadPreferences();
  const OpenBeamResult opened = reopened.OpenBeamFile(file);
  ASSERT_TRUE(opened.opened);
  EXPECT_EQ(reopened.ResultsValid(), 1);
  EXPECT_EQ(reopened.model().Loads, SimpleBeam().model.Loads);
  EXPECT_NEAR(reopened.results().Reactions[0], 5000, 1e-3);
  EXPECT_TRUE(opened.printEnabled);
  EXPECT_FALSE(opened.listing.empty());

  // A refused file leaves the project as File New left it.
  const OpenBeamResult refused = reopened.OpenBeamFile(folder_ / "missing.trb");
  EXPECT_FALSE(refused.opened);
  EXPECT_EQ(reopened.ResultsValid(), 0);
  EXPECT_EQ(reopened.model().TotalLength, 0);
}

// The load form's "Next >" leads steel I and channel sections under BS 5950 to the restraint
// forms; angles, boxes and tubes, no code and BS 5268 to the analysis; and stays on a refusal.
TEST_F(ProjectSessionTest, LoadFormNextGoesWhereTheCodeAndSectionLead) {
  struct Case {
    DesignCode code;
    const char* kind;
    EntryStep next;
  };
  const Case cases[]{{DesignCode::None, "Beam", EntryStep::Analyse},
                     {DesignCode::BS5268, "Timber", EntryStep::Analyse},
                     {DesignCode::BS5950, "Beam", EntryStep::SpanForm},
                     {DesignCode::BS5950, "RSJ", EntryStep::SpanForm},
                     {DesignCode::BS5950, "RSC", EntryStep::SpanForm},
                     {DesignCode::BS5950, "RSA", EntryStep::Analyse},
                     {DesignCode::BS5950, "Box", EntryStep::Analyse},
                     {DesignCode::BS5950, "Tube", EntryStep::Analyse},
                     {DesignCode::BS449, "Beam", EntryStep::MainWindowOnly}};
  for (const Case& c : cases) {
    ProjectSession session(folder_);
    BeamProject project = SimpleBeam();
    project.model.DesignCode = c.code;
    project.section.SectionKind = SectionKindFromText(c.kind);
    session.LoadCase(project);
    const LoadsOutcome outcome = session.ApplyLoads(project.model.Loads, 5, true);
    EXPECT_FALSE(outcome.stays) << c.kind << " " << DesignCodeNumber(c.code);
    EXPECT_EQ(outcome.next, c.next) << c.kind << " " << DesignCodeNumber(c.code);
    EXPECT_TRUE(session.ApplyLoads(project.model.Loads, 5, false).stays) << c.kind;
  }
}

}  // namespace
}  // namespace trabeo
