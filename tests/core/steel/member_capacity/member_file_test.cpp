#include "steel/member_capacity/member_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/steel/member_capacity/member_test_support.h"
#include "fileio/file_bytes.h"
#include "steel/member_capacity/member_file_commands.h"
#include "steel/member_capacity/member_print.h"
#include "steel/member_capacity/member_window.h"
#include "support/recording_print_job.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

using testing::ScriptedDialogs;

// A window after a pick and every calculation, as a user leaves it before saving.
MemberCapacityWindow WorkedWindow() {
  ScriptedDialogs dialogs;
  MemberCapacityWindow w;
  PickMemberSection(w, testing::CatalogueSection("UC.sct", "203 UC 46"), dialogs, UnitSettings{});
  MemberFormTexts& t = w.state.texts;
  t.Edit_Le = "4";
  t.Edit_Axial = "800";
  t.Edit_MomAxx = "40";
  t.Edit_MomAyy = "5";
  t.Edit_b1 = "100";
  dialogs.yesNoAnswers = {true};
  for (MemberCalculation calculation : {MemberCalculation::MomentXX, MemberCalculation::MomentYY,
                                        MemberCalculation::AxialXX, MemberCalculation::AxialYY})
    RunSingleMemberCalculation(w, calculation, dialogs, UnitSettings{});
  RunCombinedMemberCalculation(w, dialogs, UnitSettings{});
  ShowMemberBearingPanel(w, dialogs);
  RunMemberBearingCalculation(w, dialogs, UnitSettings{});
  return w;
}

MemberFileContents ContentsOf(const MemberCapacityWindow& w) {
  MemberFileContents contents;
  contents.state = w.state;
  contents.header.HeaderCompany = "Acme Steel";
  contents.header.HeaderJobRef = "J-42";
  contents.beamSectionArea = 5873.1f;
  contents.modulusLabels = {"Sxx", "Zxx", "Syy", "Zyy"};
  return contents;
}

class MemberFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("trabeo-member-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(MemberFile, RoundTripIsByteForByte) {
  const std::vector<uint8_t> bytes = EncodeMemberFile(ContentsOf(WorkedWindow()));
  ASSERT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 5), "TRB2");
  MemberFileContents read;
  const MemberFileRead result = DecodeMemberFile(bytes, read);
  EXPECT_TRUE(result.accepted);
  EXPECT_TRUE(result.complete);
  EXPECT_EQ(EncodeMemberFile(read), bytes);
  EXPECT_EQ(read.header.HeaderJobRef, "J-42");
  EXPECT_EQ(read.state.texts.Edit_MomAxx, "40");
  EXPECT_EQ(read.state.Detail(DetailKind::Combined),
            WorkedWindow().state.Detail(DetailKind::Combined));
  // The layout keeps Pcx in Pcy's place: Pcy does not come back.
  EXPECT_EQ(read.state.extra.Pcy, 0);
}

TEST_F(MemberFile, CutShortKeepsWhatWasRead) {
  const std::vector<uint8_t> bytes = EncodeMemberFile(ContentsOf(WorkedWindow()));
  // Version (11), header texts (606), description (51), type (26) and part of the class set.
  const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 700);
  MemberFileContents read;
  const MemberFileRead result = DecodeMemberFile(cut, read);
  EXPECT_TRUE(result.accepted);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(read.header.HeaderCompany, "Acme Steel");
  EXPECT_EQ(read.state.McType, SectionKind::Beam);
  EXPECT_EQ(read.state.texts.lbl_Desc.substr(0, 10), " 203 UC 46");
  EXPECT_EQ(read.state.McSection.Area, 0);
  EXPECT_TRUE(read.state.Detail(DetailKind::Combined).empty());
}

TEST_F(MemberFile, OtherFilesAreRefusedAndTheWindowKept) {
  std::vector<uint8_t> bytes = EncodeMemberFile(ContentsOf(WorkedWindow()));
  bytes[4] = '3';  // "TRB3"
  MemberFileContents untouched;
  untouched.header.HeaderUser = "kept";
  MemberFileContents read = untouched;
  EXPECT_FALSE(DecodeMemberFile(bytes, read).accepted);
  EXPECT_EQ(read.header, untouched.header);

  const std::filesystem::path path = folder_ / "beam.trm";
  ASSERT_TRUE(WriteFileAtomically(path, bytes).empty());
  MemberCapacityWindow w = WorkedWindow();
  const std::vector<std::string> shown = w.List_Data;
  HeaderTexts header;
  ScriptedDialogs dialogs;
  EXPECT_FALSE(OpenMemberFileAt(w, header, path, dialogs));
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{std::string(kNotMemberFileMessage)}));
  EXPECT_EQ(w.List_Data, shown);
}

TEST_F(MemberFile, SaveFallsBackToSaveAsAndOpenRestoresTheWindow) {
  MemberCapacityWindow w = WorkedWindow();
  w.fileName = (folder_ / "no-such-folder" / "old.trm").string();
  HeaderTexts header;
  header.HeaderProject1 = "Warehouse";
  ScriptedDialogs dialogs;
  const std::string saved = (folder_ / "column.trm").string();
  dialogs.saveAnswers = {saved};
  ASSERT_TRUE(SaveMemberCapacity(w, header, 0, UnitSettings{}, dialogs, MemberSaveCommand::Save));
  EXPECT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(w.fileName, saved);
  EXPECT_EQ(header.CurrentFileName, saved);

  MemberCapacityWindow reopened;
  HeaderTexts other;
  ASSERT_TRUE(OpenMemberFileAt(reopened, other, saved, dialogs));
  EXPECT_EQ(other.HeaderProject1, "Warehouse");
  EXPECT_EQ(reopened.state.texts, w.state.texts);
  EXPECT_EQ(reopened.List_Results, w.List_Results);
  EXPECT_EQ(reopened.List_Data, w.state.Detail(DetailKind::SectionData).InUse());
  EXPECT_TRUE(reopened.fileCommandsEnabled);
}

// A path longer than the 100 characters of a header text: Save must write where Save As did,
// not to a file named by the path's first 100 characters beside it.
TEST_F(MemberFile, ALongPathIsRememberedWholeBySaveAsSaveAndOpen) {
  const std::filesystem::path folder = folder_ / std::string(120, 'f');
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "column.trm").string();
  ASSERT_GT(path.size(), 120u);
  MemberCapacityWindow w = WorkedWindow();
  HeaderTexts header;
  ScriptedDialogs dialogs;
  dialogs.saveAnswers = {path};
  ASSERT_TRUE(SaveMemberCapacity(w, header, 0, UnitSettings{}, dialogs, MemberSaveCommand::SaveAs));
  EXPECT_EQ(w.fileName, path);
  EXPECT_EQ(header.CurrentFileName, path);

  w.state.texts.Edit_Le = "5";
  ASSERT_TRUE(SaveMemberCapacity(w, header, 0, UnitSettings{}, dialogs, MemberSaveCommand::Save));
  EXPECT_EQ(dialogs.fileRequests.size(), 1u);
  std::vector<std::filesystem::path> written;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
    if (entry.is_regular_file()) written.push_back(entry.path());
  EXPECT_EQ(written, std::vector<std::filesystem::path>{path});

  MemberCapacityWindow reopened;
  HeaderTexts other;
  ASSERT_TRUE(OpenMemberFileAt(reopened, other, path, dialogs));
  EXPECT_EQ(reopened.state.texts.Edit_Le, "5");
  EXPECT_EQ(reopened.fileName, path);
  EXPECT_EQ(other.CurrentFileName, path);
}

TEST_F(MemberFile, PrintoutPutsTheCombinedCheckOnAPageOfItsOwn) {
  const MemberCapacityWindow w = WorkedWindow();
  HeaderTexts header;
  header.CurrentFileName = "column.trb";  // not a member file: no name in the header
  testing::RecordingPrintJob job;
  ASSERT_TRUE(PrintMemberCapacity(job, w.state, header, "Trabeo", "1/1/2024  12:00"));
  EXPECT_TRUE(job.ended());
  const auto& canvas = job.recorder();
  EXPECT_EQ(canvas.TextsEqualTo("Page 1").size(), 1u);
  EXPECT_EQ(canvas.TextsEqualTo("Page 2").size(), 1u);
  EXPECT_TRUE(canvas.TextsEqualTo("column.trb").empty());
  // Columns at 15, 75 and 135 mm of a 600 dpi page.
  const auto overall = canvas.TextsEqualTo(" OVERALL BUCKLING CHECK");
  ASSERT_EQ(overall.size(), 1u);
  EXPECT_EQ(overall[0].x, 1771);
  EXPECT_EQ(canvas.TextsEqualTo(" MOMENT CAPACITY ABOUT X-X ").at(0).x, 1771);
  EXPECT_EQ(canvas.TextsEqualTo(" MOMENT CAPACITY ABOUT Y-Y ").at(0).x, 3188);
  EXPECT_EQ(canvas.TextsEqualTo("  SECTION DATA").at(0).x, 354);
}

}  // namespace
}  // namespace trabeo
