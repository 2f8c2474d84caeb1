// A beam analysed end to end through the forms, as a user does it.
#include <QImage>
#include <QPainter>
#include <QTabWidget>

#include "app/app_test_support.h"
#include "app/entry_flow.h"
#include "app/index_form.h"
#include "app/picture_widget.h"
#include "support/recording_canvas.h"

namespace trabeo::testing {
namespace {

class BeamAnalysisTest : public AppFixture {
 protected:
  // A simply supported span of 6 m, E 205000 N/mm^2, Ixx 12000 cm^4, 10 kN at mid-span.
  void AnalyseCentralPointLoad() { AnalysePointLoadAt("3"); }
  // 10 kN at `distance` m on a 6 m span of a typed beam.
  void AnalysePointLoadAt(const QString& distance) {
    Click("TIndexFrm", "cmdOK");
    Type("TBeamFrm", "Edit_Span_L", "6");
    Type("TBeamFrm", "Edit_Span_E", "205000");
    Type("TBeamFrm", "Edit_Span_Ixx", "12000");
    Click("TBeamFrm", "cmdNext");
    Click("TLoadDataFrm", "OptionP1");
    Type("TLoadDataFrm", "Edit_PL1", "10");
    Type("TLoadDataFrm", "Edit_Dist1", distance);
    Click("TLoadDataFrm", "Check1");
    Click("TLoadDataFrm", "cmdOK");
  }

  QStringList Listing() const { return ListLines("TIndexFrm", "List_Results"); }
};

TEST_F(BeamAnalysisTest, TypedBeamWithOneLoadListsItsResults) {
  AnalyseCentralPointLoad();
  EXPECT_TRUE(dialogs.messages.empty());
  const QStringList lines = Listing();
  ASSERT_GT(lines.size(), 50);
  const QStringList head{
      " Beam Description  (Properties edited by user)",
      " Length = 6.000 m         Ixx = 12000 cm^4         E = 205000 N/mm^2",
      "",
      " RESULTS",
      "",
      " LH Reaction = 5.000 kN",
      " RH Reaction = 5.000 kN",
      "",
      " Max Shear = 5.000 kN",
      "",
      " Max Sagging Moment = 15.00 kN-m",
      " Max Hogging Moment = 0.000 kN-m",
      " ",
      " Maximum +ve deflection = 0.000 mm",
      " Maximum -ve deflection = -1.829 mm",
      " ",
      " SPAN  deflection/span ratio = 1/3280",
      " ",
  };
  for (int i = 0; i < head.size(); ++i)
    EXPECT_EQ(lines[i], head[i]) << "line " << i;
  // The point-load table and the mid-span row of the results at twentieths.
  EXPECT_TRUE(lines.contains("  1      10.00           3.000         1.000"));
  // At the load's own station the shear is the one left of it.
  EXPECT_TRUE(lines.contains(" 11            3.000         5.000         15.000         -1.829"));
  // A typed Ixx has no fibre distance, so the stress cannot be listed.
  EXPECT_FALSE(lines.join("\n").contains("Stress"));
}

TEST_F(BeamAnalysisTest, PreferencesChangeTheUnitsOfTheNextListing) {
  AnalyseCentralPointLoad();
  Trigger("Preferences1");
  Click("TPreferencesFrm", "Option_Moment_N_m");
  Click("TPreferencesFrm", "Option_Length_mm");
  Click("TPreferencesFrm", "cmd_OK");
  Trigger("Loads1");
  EXPECT_EQ(Control<QLineEdit>("TLoadDataFrm", "Edit_Dist1")->text(), "3000");
  Click("TLoadDataFrm", "cmdOK");
  const QStringList lines = Listing();
  ASSERT_GT(lines.size(), 10);
  EXPECT_EQ(lines[1], " Length = 6000 mm         Ixx = 12000 cm^4         E = 205000 N/mm^2");
  EXPECT_EQ(lines[10], " Max Sagging Moment = 15000 N-m");
}

TEST_F(BeamAnalysisTest, EnteringAnotherBeamClearsTheResults) {
  AnalyseCentralPointLoad();
  ASSERT_FALSE(Listing().isEmpty());
  Trigger("Beam1");
  EXPECT_TRUE(Listing().isEmpty());
  EXPECT_FALSE(MenuAction("Save1")->isEnabled());
  EXPECT_FALSE(MenuAction("Print1")->isEnabled());
}

TEST_F(BeamAnalysisTest, TilesRedrawTheDiagramsAtTheirNewSize) {
  AnalyseCentralPointLoad();
  auto* index = static_cast<TIndexFrm*>(Form("TIndexFrm"));
  const QImage& picture = index->picture()->image();
  // The moment diagram's axis is white at x = 150 somewhere below the beam.
  auto whiteRowsAt150 = [&] {
    int rows = 0;
    for (int y = 130; y < picture.height(); ++y)
      rows += picture.pixelColor(150, y) == Qt::white;
    return rows;
  };
  EXPECT_GT(whiteRowsAt150(), 0);
  Trigger("Results1");
  EXPECT_EQ(whiteRowsAt150(), 0) << "the Results tile draws no result diagrams";
  Trigger("Diagrams1");
  EXPECT_GT(whiteRowsAt150(), 0);
}

// The example beam of the README, analysed in the main window; the picture of the window is
// saved beside the test program as main-window.png (the README shows a copy).
TEST_F(BeamAnalysisTest, ExampleBeamScreenshot) {
  auto* index = static_cast<TIndexFrm*>(Form("TIndexFrm"));
  BeamProject project;
  BeamModel& model = project.model;
  model.LhCantilever = {1, 1500, 0, 0, 0};
  model.MainSpan = {1, 6000, 205000, 1.2e8, 0};
  model.LhSupportKind = kPinnedSupport;
  model.RhSupportKind = kFixedSupport;
  model.SectionIxx = 1.2e8f;
  model.FibreDistance = 150;
  model.TotalLength = 7500;
  model.Loads.row(1) = {kPointLoadKind, 2000, 10000, 0, 0, 1.4f, 1, 0};
  model.Loads.row(2) = {kDistributedLoadKind, 0, 5, 8, 6000, 1.6f, 1, 0};
  model.Loads.row(26) = {kDistributedLoadKind, 0, 0.3f, 0.3f, 7500, 1.4f, 1, 0};
  project.section.SectionDescription = "Example beam";
  app->session().LoadCase(project);
  index->HideIntroPanel();
  app->entryFlow().Analyse();
  ASSERT_EQ(app->session().ResultsValid(), 1);
  EXPECT_TRUE(Listing().contains(" Factored LH Reaction = 52.21 kN"));
  const QImage shot = index->grab().toImage();
  ASSERT_FALSE(shot.isNull());
  EXPECT_TRUE(shot.save(TRABEO_BINARY_DIR "/main-window.png"));
  // Narrowed, the window scrolls to the end of every listing line instead of cutting it short.
  index->resize(480, 700);
  QApplication::processEvents();
  auto* list = index->findChild<QListWidget*>("List_Results");
  for (int row = 0; row < list->count(); ++row) {
    const QListWidgetItem* item = list->item(row);
    EXPECT_GE(list->visualItemRect(item).width(),
              list->fontMetrics().horizontalAdvance(item->text()))
        << item->text().toStdString();
  }
}

// A new length typed and the load form cancelled: the picture shows the beam as it now stands
// without the old beam's reactions (drawn in yellow below the load diagram), and no listing.
TEST_F(BeamAnalysisTest, CancelledReEntryNeverShowsTheOldReactions) {
  AnalyseCentralPointLoad();
  const auto reactionPixels = [this] {
    const QImage& image = static_cast<TIndexFrm*>(Form("TIndexFrm"))->picture()->image();
    int count = 0;
    for (int y = 120; y < 145 && y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        count += colour.red() > 160 && colour.green() > 160 && colour.blue() < 100;
      }
    }
    return count;
  };
  ASSERT_GT(reactionPixels(), 0);

  Trigger("Beam1");
  Type("TBeamFrm", "Edit_Span_L", "8");
  Click("TBeamFrm", "cmdNext");
  Click("TLoadDataFrm", "Button2");
  Trigger("Default1");
  EXPECT_EQ(session().model().MainSpan.Length, 8000);
  EXPECT_EQ(reactionPixels(), 0);
  EXPECT_TRUE(Listing().isEmpty());
}

// What a user sees of an analysed beam: listing rows 16 pixels high; the load form, shown again
// from the beam form, drawing the load applied (its yellow arrow); a report whose header stays
// within the margin it keeps on the left and whose moment panel has one "0.000" on its axis. With
// the load at 2 m the smallest moment is a rounding residue of -2e-12 kN-m, which shows as 0.
TEST_F(BeamAnalysisTest, ListingLoadSketchAndReportDetails) {
  AnalysePointLoadAt("2");
  auto* list = Control<QListWidget>("TIndexFrm", "List_Results");
  ASSERT_GT(list->count(), 0);
  EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 16);

  Trigger("Print1");
  ASSERT_TRUE(printing.printed);
  const RecordingPrintJob& job = *printing.job;
  const int ux = job.DpiX() / 25;
  const int rightEnd = job.PageWidth() - 15 * ux;
  for (const RecordedLine& line : printing.job->recorder().lines())
    EXPECT_LE(std::max(line.x1, line.x2), rightEnd);
  RecordingCanvas measure;
  const auto pageTexts = printing.job->TextsWithPages();
  for (const auto& [page, text] : pageTexts) {
    if (text.y >= 35 * job.DpiY() / 25) continue;  // below the header
    measure.SetFont(text.font);
    EXPECT_LE(text.x + measure.TextExtent(text.text).width, job.PageWidth() - 15 * ux) << text.text;
  }
  for (std::size_t i = 0; i < pageTexts.size(); ++i) {
    for (std::size_t j = i + 1; j < pageTexts.size(); ++j) {
      const auto& [pageA, a] = pageTexts[i];
      const auto& [pageB, b] = pageTexts[j];
      if (pageA != pageB || a.text != "0.000" || b.text != "0.000") continue;
      measure.SetFont(a.font);
      const TextSize size = measure.TextExtent(a.text);
      EXPECT_FALSE(std::abs(a.x - b.x) < size.width && std::abs(a.y - b.y) < size.height)
          << "two 0.000 labels overlap on page " << pageA;
    }
  }

  Trigger("Beam1");
  Click("TBeamFrm", "cmdNext");
  const QImage& sketch = Form("TLoadDataFrm")->findChild<PictureWidget*>("Image_Beam")->image();
  int yellow = 0;
  for (int y = 0; y < sketch.height(); ++y) {
    for (int x = 0; x < sketch.width(); ++x)
      yellow += sketch.pixel(x, y) == qRgb(255, 255, 0);
  }
  EXPECT_GT(yellow, 0);
}

}  // namespace
}  // namespace trabeo::testing
