#include "beam_input/section_entry.h"

#include <gtest/gtest.h>

#include <vector>

#include "beam_input/property_lines.h"
#include "sections/catalogue/catalogue.h"
#include "steel/classification.h"
#include "steel/design_strength.h"

namespace trabeo {
namespace {

// 203 x 133 UB 25: b/T = 66.6 / 7.8 = 8.54, d/t = 172.4 / 5.7 = 30.2.
SectionValues Ub25() {
  SectionValues s;
  s.SectionKind = SectionKind::Beam;
  s.SectionDepth = 203.2f;
  s.SectionWidth = 133.2f;
  s.SectionWebThk = 5.7f;
  s.SectionFlgThk = 7.8f;
  s.SectionRootRad = 7.6f;
  s.SectionWebDepth = 172.4f;
  s.SectionOutstand = 66.6f;
  return s;
}

TEST(SectionEntryTest, GradeListPositions) {
  const std::vector<std::pair<int32_t, int>> shown{{-1, -1}, {0, 0},  {43, 0},
                                                   {50, 1},  {55, 2}, {42, -1}};
  for (const auto& [grade, index] : shown)
    EXPECT_EQ(GradeListIndex(AppliedGrade::FromFileNumber(grade)), index) << "grade " << grade;
  const std::vector<std::pair<int, int32_t>> chosen{{0, 43}, {1, 50}, {2, 55}, {-1, -1}, {3, -1}};
  for (const auto& [index, grade] : chosen)
    EXPECT_EQ(AppliedGrade(SteelGradeOfListIndex(index)).FileNumber(), grade) << "index " << index;
}

TEST(SectionEntryTest, DesignStrengthAndClassByKind) {
  struct Case {
    const char* name;
    SectionValues section;
    SteelGrade grade;
    float py;
    const char* classText;
  };
  SectionValues tube;
  tube.SectionKind = SectionKind::Tube;
  tube.SectionDepth = tube.SectionWidth = 21.3f;
  tube.SectionWebThk = tube.SectionFlgThk = 3.2f;
  SectionValues box;  // flange ratio 30, web ratio 20: compact about x-x
  box.SectionKind = SectionKind::Box;
  box.SectionDepth = 110;
  box.SectionWidth = 165;
  box.SectionWebThk = box.SectionFlgThk = box.SectionRootRad = 5;
  box.SectionOutstand = 150;
  box.SectionWebDepth = 100;
  SectionValues thickBox = box;  // the wall governs py
  thickBox.SectionWebThk = thickBox.SectionFlgThk = 16.1f;
  SectionValues angle;  // b/t = 10
  angle.SectionKind = SectionKind::RSA;
  angle.SectionDepth = angle.SectionWidth = 100;
  angle.SectionWebThk = angle.SectionFlgThk = 10;
  angle.SectionRootRad = 12;
  SectionValues channel = Ub25();
  channel.SectionKind = SectionKind::RSC;
  const std::vector<Case> cases{
      {"UB grade 43", Ub25(), SteelGrade::S275, 275, "Compact"},
      {"UB grade 55: epsilon 0.78", Ub25(), SteelGrade::S460, 450, "Semi-compact"},
      {"channel by the I-section rules, epsilon 0.88", channel, SteelGrade::S355, 355,
       "Semi-compact"},
      {"tube", tube, SteelGrade::S275, 275, "Plastic"},
      {"box about x-x", box, SteelGrade::S275, 275, "Compact"},
      {"box wall 16.1", thickBox, SteelGrade::S275, 265, "Plastic"},
      {"angle", angle, SteelGrade::S275, 275, "Semi-compact"},
  };
  for (const Case& c : cases) {
    SectionValues s = c.section;
    const SectionDesignUpdate update = ApplySteelGrade(s, c.grade);
    EXPECT_EQ(s.SteelGrade.grade(), c.grade) << c.name;
    EXPECT_EQ(s.DesignStrength, c.py) << c.name;
    EXPECT_EQ(SectionClassText(s.SectionClass), c.classText) << c.name;
    EXPECT_TRUE(update.classChanged) << c.name;
    EXPECT_TRUE(update.messages.empty()) << c.name;
    EXPECT_EQ(SectionClassLabel(s), std::string("Section is ") + c.classText) << c.name;
  }
}

TEST(SectionEntryTest, WithoutUsablePyTheClassIsClearedNotJudged) {
  SectionValues thick = Ub25();
  thick.SectionFlgThk = 110;
  thick.SectionClass = SectionClass::Plastic;
  SectionDesignUpdate update = ApplySteelGrade(thick, SteelGrade::S275);
  EXPECT_EQ(thick.DesignStrength, 0);
  EXPECT_FALSE(thick.SectionClass);
  EXPECT_TRUE(update.classChanged);
  EXPECT_EQ(update.messages, std::vector<std::string>{std::string(kThicknessBeyondTableMessage)});
  EXPECT_EQ(SectionClassLabel(thick), "");

  SectionValues noGrade = Ub25();
  noGrade.SectionClass = SectionClass::Plastic;
  update = ApplySteelGrade(noGrade, std::nullopt);
  EXPECT_EQ(noGrade.SteelGrade.FileNumber(), -1);
  EXPECT_EQ(noGrade.DesignStrength, 0);
  EXPECT_FALSE(noGrade.SectionClass);
  EXPECT_TRUE(update.messages.empty());
}

TEST(SectionEntryTest, ZeroDimensionOrNoSteelKindKeepsTheClass) {
  SectionValues noRoot = Ub25();
  noRoot.SectionRootRad = 0;
  noRoot.SectionClass = SectionClass::Plastic;
  SectionDesignUpdate update = ApplySteelGrade(noRoot, SteelGrade::S275);
  EXPECT_EQ(noRoot.DesignStrength, 275);
  EXPECT_EQ(noRoot.SectionClass, SectionClass::Plastic);
  EXPECT_FALSE(update.classChanged);
  EXPECT_EQ(update.messages,
            std::vector<std::string>{std::string(kCannotEvaluateSectionTypeMessage)});

  for (const char* kind : {"Timber", ""}) {
    SectionValues other;
    other.SectionKind = SectionKindFromText(kind);
    other.SectionClass = SectionClass::Compact;
    update = ApplySteelGrade(other, SteelGrade::S355);
    EXPECT_EQ(other.DesignStrength, 355) << kind;
    EXPECT_EQ(other.SectionClass, SectionClass::Compact) << kind;
    EXPECT_FALSE(update.classChanged) << kind;
    EXPECT_TRUE(update.messages.empty()) << kind;
  }
}

// A C channel picked from the catalogue replaces the class of the section shown before it. By
// hand: every C shape has b/T = (B/2)/T below 3.2 and d/t below 35, well inside the plastic
// limits 8.5 epsilon and 79 epsilon even at grade 55 (epsilon about 0.78).
TEST(SectionEntryTest, CatalogueCChannelsAreClassified) {
  int classified = 0;
  for (const SectionRecord& record : CatalogueRecords(*FindCatalogueFile("C.sct"))) {
    if (record.IsSeparator()) continue;
    SCOPED_TRACE(record.Designation);
    BeamProject project;
    project.section.SectionClass = SectionClass::Slender;
    TakeSectionRecord(record, project);
    const SectionDesignUpdate update = ApplySteelGrade(project.section, SteelGrade::S460);
    EXPECT_TRUE(update.messages.empty());
    EXPECT_TRUE(update.classChanged);
    EXPECT_EQ(SectionClassLabel(project.section), "Section is Plastic");
    ++classified;
  }
  EXPECT_EQ(classified, 28);
}

TEST(SectionEntryTest, TimberSizeBoxes) {
  UnitSettings units;
  EXPECT_EQ(TimberSizeText(0, units), " ");
  EXPECT_EQ(TimberSizeText(47, units), "47.0");
  EXPECT_EQ(TimberSizeText(222.5f, units), "223");
  units.SectLengthUnitName = "in";
  units.SectLengthFactor = 25.4f;
  EXPECT_EQ(TimberSizeText(50.8f, units), "2.00");
}

}  // namespace
}  // namespace trabeo
