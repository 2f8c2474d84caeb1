#include "timber/timber_grades.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

struct PublishedClass {
  const char* name;
  float bending, compression, shear, eMean, eMin;
};

// BS 5268-2:2002 Table 8, grade stresses parallel to grain and moduli, N/mm2.
constexpr PublishedClass kTable8[] = {
    {"C14", 4.1f, 5.2f, 0.60f, 6800, 4600},    {"C16", 5.3f, 6.8f, 0.67f, 8800, 5800},
    {"C24", 7.5f, 7.9f, 0.71f, 10800, 7200},   {"C27", 10.0f, 8.2f, 1.10f, 12300, 8200},
    {"C40", 13.0f, 8.7f, 1.40f, 14500, 10000}, {"D30", 9.0f, 8.1f, 1.40f, 9500, 6000},
    {"D40", 12.5f, 12.6f, 2.00f, 10800, 7500}, {"D70", 23.0f, 23.0f, 2.60f, 21000, 18000},
};

TEST(TimberGradesTest, StrengthClassesMatchThePublishedTable) {
  for (const PublishedClass& published : kTable8) {
    SCOPED_TRACE(published.name);
    const TimberGrade* grade = TimberGradeAt(TimberGradeListIndex(published.name));
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->bending, published.bending);
    EXPECT_EQ(grade->compression, published.compression);
    EXPECT_EQ(grade->shear, published.shear);
    EXPECT_EQ(grade->eMean, published.eMean);
    EXPECT_EQ(grade->eMin, published.eMin);
  }
}

TEST(TimberGradesTest, OlderStrengthClassesKeepTheirOwnValues) {
  // SC3 of the 1996 edition became C16.
  const TimberGrade* sc3 = TimberGradeAt(TimberGradeListIndex("SC3"));
  const TimberGrade* c16 = TimberGradeAt(TimberGradeListIndex("C16"));
  ASSERT_NE(sc3, nullptr);
  EXPECT_EQ(sc3->bending, c16->bending);
  EXPECT_EQ(sc3->compression, c16->compression);
  EXPECT_EQ(sc3->shear, c16->shear);
  EXPECT_EQ(sc3->eMean, c16->eMean);
  EXPECT_EQ(sc3->eMin, c16->eMin);
  const TimberGrade* sc7 = TimberGradeAt(TimberGradeListIndex("SC7"));
  ASSERT_NE(sc7, nullptr);
  EXPECT_EQ(sc7->shear, 1.75f);
  EXPECT_EQ(sc7->eMin, 13600.0f);
}

TEST(TimberGradesTest, TheListHasTwoSeparatorsBetweenTheThreeFamilies) {
  EXPECT_EQ(TimberGradeListIndex("C14"), 0);
  EXPECT_EQ(TimberGradeListIndex("C40"), 8);
  EXPECT_EQ(TimberGradeListIndex("D30"), 10);
  EXPECT_EQ(TimberGradeListIndex("D70"), 15);
  EXPECT_EQ(TimberGradeListIndex("SC1"), 17);
  EXPECT_EQ(TimberGradeListIndex("SC9"), 25);
  EXPECT_EQ(TimberGradeListIndex("TR26"), -1);
  EXPECT_EQ(TimberGradeAt(9), nullptr);
  EXPECT_EQ(TimberGradeAt(16), nullptr);
  EXPECT_EQ(TimberGradeAt(26), nullptr);
  EXPECT_EQ(TimberGradeListItem(4), "   C24");
  EXPECT_EQ(TimberGradeListItem(9), "   ");
  EXPECT_EQ(TimberGradeListItem(16), "");
  EXPECT_EQ(TimberGradeAt(kDefaultTimberGradeIndex)->name, "C24");
}

}  // namespace
}  // namespace trabeo
