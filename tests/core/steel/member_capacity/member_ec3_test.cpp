#include "steel/member_capacity/member_ec3.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/steel/member_capacity/member_test_support.h"
#include "fileio/file_bytes.h"
#include "steel/member_capacity/member_file.h"
#include "steel/member_capacity/member_file_commands.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

using testing::ScriptedDialogs;

MemberCapacityWindow PickedUb52(ScriptedDialogs& dialogs) {
  MemberCapacityWindow w;
  PickMemberSection(w, testing::CatalogueSection("UB.sct", "457 x 152 UB 52"), dialogs,
                    UnitSettings{});
  return w;
}

TEST(MemberEc3Input, TheBoxesBecomeTheCheckInputInNewtonsAndMillimetres) {
  ScriptedDialogs dialogs;
  MemberCapacityWindow w = PickedUb52(dialogs);
  ChangeMemberGrade(w, 1, dialogs, UnitSettings{});
  MemberFormTexts& t = w.state.texts;
  t.Edit_Le = "5";
  t.Edit_Axial = "100";
  t.Edit_MomAxx = "250";
  t.Edit_MomBxx = "-125";
  t.Edit_MomByy = " 7.5 ";
  MemberEc3Inputs& e = w.state.ec3;
  e.annex = NationalAnnex::Recommended;
  e.Edit_Lcry = "8";
  e.Edit_VEd = "80";
  e.Check_Destabilising = true;

  const auto mapped = Ec3MemberInputOf(w.state);
  ASSERT_TRUE(std::holds_alternative<en1993::MemberInput>(mapped)) << std::get<std::string>(mapped);
  const en1993::MemberInput& in = std::get<en1993::MemberInput>(mapped);
  EXPECT_EQ(in.grade, SteelGrade::S355);
  EXPECT_EQ(in.annex, NationalAnnex::Recommended);
  // Lcr,y from its own box; Lcr,z and L_LT left blank take the common effective length.
  EXPECT_EQ(in.Lcry, 8000.0);
  EXPECT_EQ(in.Lcrz, 5000.0);
  EXPECT_EQ(in.LLT, 5000.0);
  EXPECT_EQ(in.NEd, 100e3);
  EXPECT_EQ(in.MyEd1, 250e6);
  EXPECT_EQ(in.MyEd2, -125e6);
  EXPECT_EQ(in.MzEd1, 0.0);
  EXPECT_EQ(in.MzEd2, 7.5e6);
  EXPECT_EQ(in.VEd, 80e3);
  EXPECT_FALSE(in.C1);
  EXPECT_TRUE(in.destabilising);
  EXPECT_FALSE(in.restrained);

  // The section the window keeps checks as the catalogue record itself does: the elastic
  // moduli, torsion and warping constants and dimensions all come through.
  en1993::MemberInput fromCatalogue = in;
  fromCatalogue.section = testing::CatalogueSection("UB.sct", "457 x 152 UB 52");
  const en1993::MemberResult window = en1993::CheckMember(in);
  const en1993::MemberResult catalogue = en1993::CheckMember(fromCatalogue);
  ASSERT_FALSE(window.refusal);
  for (const auto& [value, expected] : {std::pair{window.NcRd, catalogue.NcRd},
                                        {window.McyRd, catalogue.McyRd},
                                        {window.MczRd, catalogue.MczRd},
                                        {window.VplzRd, catalogue.VplzRd},
                                        {window.Mcr, catalogue.Mcr},
                                        {window.NbzRd, catalogue.NbzRd},
                                        {window.eq661, catalogue.eq661}}) {
    ASSERT_TRUE(value && expected);
    EXPECT_NEAR(*value, *expected, 1e-6 * std::abs(*expected));
  }
  EXPECT_EQ(window.classCompression, catalogue.classCompression);

  // With every length box blank there is no buckling length at all.
  t.Edit_Le.clear();
  e.Edit_Lcry.clear();
  const en1993::MemberInput none = std::get<en1993::MemberInput>(Ec3MemberInputOf(w.state));
  EXPECT_FALSE(none.Lcry || none.Lcrz || none.LLT);
}

TEST(MemberEc3Input, BadBoxesAreRefusedByNameAndLeaveNoResult) {
  const std::pair<void (*)(MemberCapacityState&), std::string> cases[] = {
      {[](MemberCapacityState& s) { s.ec3.Edit_Lcry = "4,5"; },
       "Lcr,y (m): \"4,5\" is not a number"},
      {[](MemberCapacityState& s) { s.ec3.Edit_LLT = "-2"; }, "L_LT (m) must not be negative"},
      {[](MemberCapacityState& s) { s.texts.Edit_Le = "-3"; },
       "Common Effective Length (m) must not be negative"},
      {[](MemberCapacityState& s) { s.texts.Edit_MomBxx = "12kN"; },
       "End 2 moment about x-x axis (kN-m): \"12kN\" is not a number"},
      {[](MemberCapacityState& s) { s.texts.Edit_Axial = "-50"; },
       "Factored Axial Load (kN): tension is not checked to EN 1993-1-1; give compression as "
       "positive"},
      {[](MemberCapacityState& s) { s.ec3.Edit_VEd = "-1"; }, "VEd (kN) must not be negative"},
      {[](MemberCapacityState& s) { s.ec3.Edit_C1 = "0"; }, "C1 must be above 0"},
  };
  for (const auto& [spoil, message] : cases) {
    ScriptedDialogs dialogs;
    MemberCapacityWindow w = PickedUb52(dialogs);
    ChooseMemberCode(w, DesignCode::EN1993);
    w.state.texts.Edit_Le = "4";
    w.state.texts.Edit_MomAxx = "100";
    RunEc3MemberCheck(w, dialogs);
    ASSERT_FALSE(w.List_Results.empty());
    spoil(w.state);
    RunEc3MemberCheck(w, dialogs);
    ASSERT_EQ(dialogs.messages, std::vector<std::string>{message});
    EXPECT_TRUE(w.List_Results.empty()) << message;
    EXPECT_TRUE(w.state.extra.Ec3Details.empty()) << message;
    EXPECT_EQ(w.state.texts.lbl_SectionTypeX, "") << message;
  }

  // An angle, which only the miscellaneous table can hold here.
  ScriptedDialogs dialogs;
  MemberCapacityWindow w;
  SectionRecord angle;
  for (const SectionRecord& record : CatalogueRecords(*FindCatalogueFile("EqRSA.sct"))) {
    if (!record.IsSeparator()) {
      angle = record;
      break;
    }
  }
  PickMemberSection(w, angle, dialogs, UnitSettings{});
  ChooseMemberCode(w, DesignCode::EN1993);
  w.state.texts.Edit_Axial = "10";
  RunEc3MemberCheck(w, dialogs);
  EXPECT_EQ(dialogs.messages.back(), "Angles are not checked to EN 1993-1-1");
  EXPECT_TRUE(w.List_Results.empty());
}

class MemberEc3File : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("trabeo-member-ec3-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

// Block 10 of the layout starts after 11 + 6 x 101 + 51 + 26 + 10 x 4 + 5 x 26 + 4 + 4 + 4 x 26
// = 976 bytes; its fourth 21-byte slot, the one BS 5950 files leave empty, starts at 1039. The
// file ends in 1000 marker slots of 26 bytes.
constexpr std::size_t kCodeSlot = 1039;
constexpr std::size_t kMarkerBytes = 1000 * 26;

TEST_F(MemberEc3File, TheCodeRoundTripsAndBs5950FilesKeepTheirLayout) {
  ScriptedDialogs dialogs;
  MemberCapacityWindow w = PickedUb52(dialogs);
  w.state.texts.Edit_Le = "5";
  w.state.texts.Edit_Axial = "100";
  w.state.texts.Edit_MomAxx = "250";
  const std::vector<uint8_t> bs5950 = [&] {
    MemberFileContents contents;
    contents.state = w.state;
    return EncodeMemberFile(contents);
  }();
  // BS 5950: the slot stays empty and every marker is in place, as in files written before.
  EXPECT_TRUE(std::all_of(bs5950.begin() + kCodeSlot, bs5950.begin() + kCodeSlot + 21,
                          [](uint8_t byte) { return byte == 0; }));
  for (std::size_t slot = bs5950.size() - kMarkerBytes; slot < bs5950.size(); slot += 26)
    ASSERT_EQ(std::string(bs5950.begin() + static_cast<std::ptrdiff_t>(slot),
                          bs5950.begin() + static_cast<std::ptrdiff_t>(slot) + 8),
              "\x07Rubbish");

  ChooseMemberCode(w, DesignCode::EN1993);
  w.state.ec3 = {NationalAnnex::Recommended, "6", "", "4.5", "80", "1.2", true, false};
  RunEc3MemberCheck(w, dialogs);
  ASSERT_TRUE(dialogs.messages.empty());
  const std::vector<std::string> details = w.List_Data;
  ASSERT_FALSE(details.empty());
  w.fileCommandsEnabled = true;
  HeaderTexts header;
  const std::string path = (folder_ / "member.trm").string();
  dialogs.saveAnswers = {path};
  ASSERT_TRUE(SaveMemberCapacity(w, header, 0, UnitSettings{}, dialogs, MemberSaveCommand::SaveAs));
  const std::vector<uint8_t> en1993 = *ReadFileBytes(path);
  EXPECT_EQ(en1993.size(), bs5950.size());
  EXPECT_EQ(std::string(en1993.begin() + kCodeSlot, en1993.begin() + kCodeSlot + 19),
            "\x12"
            "EN1993 Recommended");

  // Opened into a window left at BS 5950: the code, the inputs and the check come back.
  ScriptedDialogs other;
  MemberCapacityWindow opened = PickedUb52(other);
  ASSERT_TRUE(OpenMemberFileAt(opened, header, path, other));
  EXPECT_EQ(opened.state.code, DesignCode::EN1993);
  EXPECT_EQ(opened.state.ec3, w.state.ec3);
  EXPECT_EQ(opened.List_Data, details);
  EXPECT_EQ(opened.List_Results, w.List_Results);
  dialogs.saveAnswers = {path};
  ASSERT_TRUE(
      SaveMemberCapacity(opened, header, 0, UnitSettings{}, dialogs, MemberSaveCommand::SaveAs));
  EXPECT_EQ(*ReadFileBytes(path), en1993);

  // A file of today's layout opened into a window at EN 1993-1-1 opens as BS 5950.
  const std::string old = (folder_ / "old.trm").string();
  ASSERT_TRUE(WriteFileAtomically(old, bs5950).empty());
  ASSERT_TRUE(OpenMemberFileAt(opened, header, old, other));
  EXPECT_EQ(opened.state.code, DesignCode::BS5950);
  EXPECT_EQ(opened.state.texts.Edit_MomAxx, "250");
  EXPECT_TRUE(other.messages.empty());
}

}  // namespace
}  // namespace trabeo
