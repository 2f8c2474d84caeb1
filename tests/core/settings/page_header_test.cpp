#include "settings/page_header.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_print_job.h"

namespace trabeo {
namespace {

using testing::RecordedText;
using testing::RecordingPrintJob;

HeaderTexts SampleTexts() {
  HeaderTexts t;
  t.HeaderCompany = "Acme Structures";
  t.HeaderUser = "J. Smith";
  t.HeaderProject1 = "Warehouse extension";
  t.HeaderProject2 = "Phase 2";
  t.HeaderJobDesc = "Roof beams";
  t.HeaderJobRef = "J-1042";
  t.CurrentFileName = "C:\\Jobs\\roof.trb";
  return t;
}

struct ExpectedText {
  std::string text;
  int x, y;  // in header units
  int points;
};

std::vector<ExpectedText> ExpectedTexts() {
  return {
      {"Trabeo Professional", 15, 0, 9},
      {"Acme Structures", 15, 7, 15},
      {"Warehouse extension", 15, 15, 12},
      {"Phase 2", 15, 20, 11},
      {"Roof beams", 15, 25, 11},
      {"J-1042", 15, 30, 10},
      {"by  J. Smith", 160, 15, 9},
      {"03/05/2024  14:30:00", 160, 20, 9},
      {"Page 1", 160, 30, 9},
      {"C:\\Jobs\\roof.trb", 50, 30, 9},
  };
}

void ExpectHeader(int dpiX, int dpiY, int ux, int uy) {
  RecordingPrintJob job(dpiX, dpiY);
  ASSERT_TRUE(job.BeginDoc());
  PrintPageHeader(job, SampleTexts(), "Trabeo Professional", "03/05/2024  14:30:00");
  const auto& canvas = job.recorder();

  const auto expected = ExpectedTexts();
  ASSERT_EQ(canvas.texts().size(), expected.size());
  for (const ExpectedText& e : expected) {
    const auto found = canvas.TextsEqualTo(e.text);
    ASSERT_EQ(found.size(), 1u) << e.text;
    EXPECT_EQ(found[0].x, e.x * ux) << e.text;
    EXPECT_EQ(found[0].y, e.y * uy) << e.text;
    EXPECT_EQ(found[0].font.name, "Arial") << e.text;
    EXPECT_EQ(found[0].font.size, e.points) << e.text;
  }

  ASSERT_EQ(canvas.lines().size(), 2u);
  for (int i = 0; i < 2; ++i) {
    const auto& rule = canvas.lines()[static_cast<std::size_t>(i)];
    const int y = (i == 0 ? 5 : 35) * uy;
    EXPECT_EQ(rule.x1, 15 * ux);
    EXPECT_EQ(rule.x2, job.PageWidth() - 15 * ux);  // the left margin kept on the right
    EXPECT_EQ(rule.y1, y);
    EXPECT_EQ(rule.y2, y);
    EXPECT_EQ(rule.width, 3);
  }
  EXPECT_EQ(canvas.font().name, "Arial");
  EXPECT_EQ(canvas.font().size, 9);
  EXPECT_EQ(canvas.penWidth(), 3);
  EXPECT_EQ(PageHeaderBottom(job), 35 * uy);
}

// At 600 dots per inch a unit is 24 dots: the rules lie at 120 and 840, the right column at 3840.
TEST(PageHeaderTest, EachAxisUsesItsOwnWholeDotUnit) {
  ExpectHeader(600, 600, 24, 24);
  ExpectHeader(600, 300, 24, 12);
  ExpectHeader(300, 1200, 12, 48);
  ExpectHeader(360, 203, 14, 8);  // 14.4 and 8.12 dots per unit, rounded down
}

TEST(PageHeaderTest, EmptyTextsPrintNothing) {
  RecordingPrintJob job;
  ASSERT_TRUE(job.BeginDoc());
  PrintPageHeader(job, HeaderTexts{}, "Trabeo Professional", "03/05/2024  14:30:00");
  const auto& canvas = job.recorder();
  for (const RecordedText& text : canvas.texts())
    EXPECT_FALSE(text.text.empty());
  // No file name: nothing stands at the file name's place, left of the page number.
  for (const RecordedText& text : canvas.texts())
    EXPECT_NE(text.x, 50 * 24) << text.text;
  EXPECT_NE(canvas.FindText("by  "), nullptr);
  EXPECT_EQ(canvas.texts().size(), 4u);  // title, "by  ", date line, page number
  EXPECT_EQ(canvas.font().size, 9);
}

TEST(PageHeaderTest, PageNumberFollowsTheJob) {
  RecordingPrintJob job;
  ASSERT_TRUE(job.BeginDoc());
  job.NewPage();
  job.NewPage();
  PrintPageHeader(job, SampleTexts(), "T", "d");
  EXPECT_NE(job.recorder().FindText("Page 3"), nullptr);
  ASSERT_TRUE(job.BeginDoc());  // a new job starts again at page 1
  job.recorder().Clear();
  PrintPageHeader(job, SampleTexts(), "T", "d");
  EXPECT_NE(job.recorder().FindText("Page 1"), nullptr);
}

TEST(PageHeaderTest, EnteredTextsAreCutTo100Characters) {
  HeaderTexts texts = SampleTexts();
  HeaderEntries entries = EntriesOf(texts);
  EXPECT_EQ(entries.company, "Acme Structures");
  entries.company = std::string(150, 'c');
  entries.jobRef = std::string(100, 'r');
  entries.user = "";
  ApplyHeaderEntries(entries, texts);
  EXPECT_EQ(texts.HeaderCompany, std::string(100, 'c'));
  EXPECT_EQ(texts.HeaderJobRef, std::string(100, 'r'));
  EXPECT_EQ(texts.HeaderUser, "");
  EXPECT_EQ(texts.CurrentFileName, "C:\\Jobs\\roof.trb");  // not among the entries
}

TEST(PageHeaderTest, NewProjectKeepsCompanyAndUser) {
  HeaderTexts texts = SampleTexts();
  ClearProjectHeaderTexts(texts);
  HeaderTexts expected;
  expected.HeaderCompany = "Acme Structures";
  expected.HeaderUser = "J. Smith";
  EXPECT_EQ(texts, expected);
}

TEST(PageHeaderTest, PrintoutsShowOnlyTheirOwnKindOfFile) {
  EXPECT_EQ(FileNameForPrintout("C:\\Jobs\\roof.trb", ".trb"), "C:\\Jobs\\roof.trb");
  EXPECT_EQ(FileNameForPrintout("C:\\Jobs\\strut.trm", ".trb"), "");
  EXPECT_EQ(FileNameForPrintout("C:\\Jobs\\ROOF.TRB", ".trb"), "");
  EXPECT_EQ(FileNameForPrintout("C:\\Jobs\\roof.trb", ""), "");  // calculators: never
  EXPECT_EQ(FileNameForPrintout("", ".trm"), "");
  EXPECT_EQ(HeaderDateTime("03/05/2024", "14:30:00"), "03/05/2024  14:30:00");
}

}  // namespace
}  // namespace trabeo
