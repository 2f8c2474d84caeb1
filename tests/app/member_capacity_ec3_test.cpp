// The member capacity window checking to EN 1993-1-1 beside BS 5950, and what it shows before a
// section is picked and in its moment sketches.
#include <QPainter>
#include <QPushButton>
#include <set>

#include "app/member_window_fixture.h"
#include "app/picture_widget.h"
#include "app/print/qt_canvas.h"

namespace trabeo::testing {
namespace {

class MemberCapacityEc3Test : public MemberWindowFixture {
 protected:
  QString Label(const char* name) const { return Control<QLabel>(kForm, name)->text(); }
  bool Enabled(const char* name) const { return form->findChild<QWidget*>(name)->isEnabled(); }
  // The number that follows `key` on the first line of the list holding it (and `on`).
  double NumberAfter(const char* list, const QString& key, const QString& on = {}) const {
    for (const QString& line : ListLines(kForm, list)) {
      const qsizetype at = line.indexOf(key);
      if (at < 0 || !line.contains(on)) continue;
      const QString rest = line.mid(at + key.size()).trimmed();
      QString number = rest.section(' ', 0, 0);
      if (number.endsWith(',')) number.chop(1);
      return number.toDouble();
    }
    ADD_FAILURE() << "no line with " << key.toStdString();
    return 0;
  }
};

// 457 x 152 UB 52 in S275, 5 m between restraints on both axes and for lateral-torsional
// buckling, NEd = 100 kN, MyEd = 250 kN-m at End 1 and 0 at End 2, VEd = 80 kN, UK National Annex.
// By hand from the published properties (A = 66.6 cm2, Wpl,y = 1100 cm3, Iz = 645 cm4,
// It = 21.4 cm4, Iw = 0.311 dm6; h = 449.8, b = 152.4, tw = 7.6, tf = 10.9, r = 10.2 mm):
// - tf = 10.9 mm <= 16: fy = 275 N/mm2, eps = sqrt(235/275) = 0.924.
// - Flange c/t = (152.4 - 7.6 - 20.4) / 2 / 10.9 = 5.71 <= 9 eps = 8.32: class 1.
//   Web c = 449.8 - 21.8 - 20.4 = 407.6, c/t = 53.6: in compression alone above 42 eps = 38.8,
//   class 4; with the moment alpha = 0.5 + 100e3 / (2 x 407.6 x 7.6 x 275) = 0.559 and the
//   class 1 limit 396 eps / (13 alpha - 1) = 58.4: class 1 combined; in bending 72 eps = 66.6.
// - Mc,y,Rd = 1100e3 x 275 = 302.5 kN-m. Av = 6660 - 2 x 152.4 x 10.9 + (7.6 + 20.4) x 10.9 =
//   3643 mm2 (> h_w tw = 3253): Vpl,Rd = 3643 x 275 / sqrt3 = 578.4 kN.
// - Flexural buckling z-z, class 4: web lambda_p = 53.6 / (28.4 x 0.924 x 2) = 1.021,
//   rho = (1.021 - 0.22) / 1.021^2 = 0.768, Aeff = 6660 - 0.232 x 407.6 x 7.6 = 5942 mm2;
//   Ncr = pi^2 x 210000 x 645e4 / 5000^2 = 534.7 kN, lambda = sqrt(5942 x 275 / 534.7e3) = 1.748,
//   curve b: phi = 0.5 (1 + 0.34 x 1.548 + 1.748^2) = 2.291, chi = 0.2651,
//   Nb,z,Rd = 0.2651 x 5942 x 275 = 433.2 kN.
// - LTB, psi = 0: C1 = 1.88; Mcr = 1.88 x 534.7 kN x sqrt(0.311e12 / 645e4 + 5000^2 x 81000 x
//   21.4e4 / (pi^2 x 210000 x 645e4)) = 1.88 x 534.7 x 0.2840 m = 285.5 kN-m;
//   lambdaLT = sqrt(302.5 / 285.5) = 1.029; h/b = 2.95: curve c (0.49); phi = 0.5 (1 + 0.49 x
//   0.629 + 0.75 x 1.029^2) = 1.051, chiLT = 0.6214; kc = 1/sqrt1.88 = 0.729, f = 1 - 0.5 x
//   0.271 x (1 - 2 x 0.229^2) = 0.879; chiLT,mod = 0.7070; Mb,Rd = 0.7070 x 302.5 = 213.9 kN-m.
// - LTB utilisation 250 / 213.9 = 1.169 > 1: the member fails whatever the other checks give.
TEST_F(MemberCapacityEc3Test, UniversalBeamColumnCheckedToEn1993ThroughTheWindow) {
  Pick("UniversalBeams1", "457 x 152 UB 52");
  Click(kForm, "Code_EN1993");
  ASSERT_TRUE(form->findChild<QWidget*>("Group_EN1993")->isVisibleTo(form));
  // The help leads to the EN 1993-1-1 check, not to the greyed BS 5950 buttons.
  EXPECT_TRUE(ListLines(kForm, "List_Help").contains(" \"Check to EN 1993-1-1\"."));
  EXPECT_FALSE(Enabled("cmd_MomXX"));
  EXPECT_FALSE(Enabled("cmd_Calc"));
  for (const auto& [box, text] : {std::pair{"Edit_Le", "5"},
                                  {"Edit_Axial", "100"},
                                  {"Edit_MomAxx", "250"},
                                  {"Edit_MomBxx", "0"},
                                  {"Edit_VEd", "80"}})
    Type(kForm, box, text);
  Click(kForm, "cmd_CheckEN1993");
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();

  const QStringList details = ListLines(kForm, "List_Data");
  EXPECT_TRUE(details.contains(" EN 1993-1-1 with the UK National Annex"));
  // Every line can be read in full, scrolled to if need be, however wide the first one is.
  for (const char* name : {"List_Data", "List_Results"}) {
    const auto* list = Control<QListWidget>(kForm, name);
    for (int row = 0; row < list->count(); ++row) {
      const QListWidgetItem* item = list->item(row);
      EXPECT_GE(list->visualItemRect(item).width(),
                list->fontMetrics().horizontalAdvance(item->text()))
          << name << ": " << item->text().toStdString();
    }
  }
  EXPECT_TRUE(details.contains("  Class: compression 4, bending y-y 1, bending z-z 1, combined 1"));
  EXPECT_EQ(Label("lbl_SectionTypeA"), "Class 4");
  EXPECT_EQ(Label("lbl_SectionTypeX"), "Class 1");
  EXPECT_NEAR(NumberAfter("List_Data", "fy = "), 275, 0);
  EXPECT_NEAR(NumberAfter("List_Data", "Mc,y,Rd = "), 302.5, 1);
  EXPECT_NEAR(NumberAfter("List_Data", "Vpl,z,Rd = "), 578.4, 1);
  EXPECT_NEAR(NumberAfter("List_Data", "z-z: curve b, lambda = "), 1.748, 0.003);
  EXPECT_NEAR(NumberAfter("List_Data", "Nb,Rd = ", "z-z: curve b"), 433.2, 1);
  EXPECT_NEAR(NumberAfter("List_Data", "C1 = "), 1.88, 0);
  EXPECT_NEAR(NumberAfter("List_Data", "Mcr = "), 285.5, 1);
  EXPECT_NEAR(NumberAfter("List_Data", "curve c, lambdaLT = "), 1.029, 0.003);
  EXPECT_NEAR(NumberAfter("List_Data", "chiLT,mod = "), 0.707, 0.002);
  EXPECT_NEAR(NumberAfter("List_Data", "Mb,Rd = "), 213.9, 1);
  EXPECT_NEAR(NumberAfter("List_Results", "LTB (6.3.2)"), 1.169, 0.005);
  EXPECT_TRUE(ListLines(kForm, "List_Results").contains("  Verdict: FAIL"));
  EXPECT_TRUE(details.filter(" Verdict: FAIL").size() == 1);

  // The printout carries the summary and every detail line.
  Menu("Print1");
  ASSERT_TRUE(printing.job);
  std::set<std::string> printed;
  for (const RecordedText& text : printing.job->recorder().texts())
    printed.insert(text.text);
  for (const QString& line : details + ListLines(kForm, "List_Results"))
    EXPECT_TRUE(printed.contains(line.toStdString())) << line.toStdString();
  // Set in the printout's font (DejaVu Sans where Arial is missing, wider still), no summary line
  // runs into the details at 75 mm, and no detail line off the page.
  RecordingPrintJob& job = *printing.job;
  const auto dots = [&job](double mm) { return static_cast<int>(mm * job.DpiX() / 25.4); };
  QImage page(1, 1, QImage::Format_RGB32);
  page.setDotsPerMeterX(qRound(job.DpiX() / 0.0254));
  page.setDotsPerMeterY(qRound(job.DpiY() / 0.0254));
  QPainter painter(&page);
  QtCanvas measure(painter);
  for (const RecordedText& text : job.recorder().texts()) {
    measure.SetFont(text.font);
    const int right = text.x + measure.TextExtent(text.text).width;
    if (text.x == dots(15)) {
      EXPECT_LT(right, dots(75)) << text.text;
    } else if (text.x == dots(75)) {
      EXPECT_LE(right, job.PageWidth()) << text.text;
    }
  }

  // A negative length is refused by the name of its box, and no result stands.
  Type(kForm, "Edit_Lcrz", "-1");
  Click(kForm, "cmd_CheckEN1993");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Lcr,z (m) must not be negative"});
  EXPECT_TRUE(ListLines(kForm, "List_Results").isEmpty());

  // Back to BS 5950: its calculations again, the EN 1993-1-1 boxes put away.
  Click(kForm, "Code_BS5950");
  EXPECT_TRUE(Enabled("cmd_MomXX"));
  EXPECT_FALSE(form->findChild<QWidget*>("Group_EN1993")->isVisibleTo(form));
  EXPECT_EQ(Label("lbl_SectionTypeX"), "Plastic");
  EXPECT_TRUE(ListLines(kForm, "List_Help").contains(" Click a \"...Capacity...\""));
}

// The beam's section is a timber one: the steel member window shows no description until a
// section is picked in it.
TEST_F(MemberCapacityEc3Test, NoDescriptionShowsBeforeASectionIsPicked) {
  form->hide();
  BeamProject project = SimpleBeam();
  project.section.SectionDescription = "75.0 x 200 C24 Timber";
  Load(project);
  Trigger("MemberCapacity1");
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(Label("lbl_Desc").trimmed(), "");
  Pick("UniversalColumns1", "203 UC 46");
  EXPECT_EQ(Label("lbl_Desc").trimmed(), "203 UC 46");
}

// Ink of `text` as the sketches write it, cropped to its extent.
QImage Written(const char* text, qreal ratio) {
  QImage image(QSize(80, 40) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    Font font;
    font.name = "MS Sans Serif";
    font.size = 9;
    canvas.SetFont(font);
    canvas.TextOut(10, 10, text);
  }
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != QColor(Qt::white).rgb()) ink |= QRect(x, y, 1, 1);
  return image.copy(ink);
}

bool Holds(const QImage& image, const QImage& patch) {
  for (int top = 0; top + patch.height() <= image.height(); ++top) {
    for (int left = 0; left + patch.width() <= image.width(); ++left) {
      bool same = true;
      for (int y = 0; same && y < patch.height(); ++y)
        for (int x = 0; same && x < patch.width(); ++x)
          same = image.pixel(left + x, top + y) == patch.pixel(x, y);
      if (same) return true;
    }
  }
  return false;
}

// End 1 carries 40 kN-m and End 2 -20 kN-m: End 2 is marked beta M, in a real beta.
TEST_F(MemberCapacityEc3Test, MomentSketchMarksTheSmallerEndWithBeta) {
  Pick("UniversalColumns1", "203 UC 46");
  for (const auto& [box, text] : {std::pair{"Edit_Le", "4"},
                                  {"Edit_Axial", "800"},
                                  {"Edit_MomAxx", "40"},
                                  {"Edit_MomBxx", "-20"}})
    Type(kForm, box, text);
  dialogs.yesNoAnswers = {false};
  dialogs.inputAnswers = {"1"};
  Click(kForm, "cmd_Calc");
  const QImage& sketch = form->findChild<PictureWidget*>("Image_XX")->image();
  const QImage converted = sketch.convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(Holds(converted, Written("\xCE\xB2M", sketch.devicePixelRatio())));
  EXPECT_FALSE(Holds(converted, Written("\xC3\x9FM", sketch.devicePixelRatio())));
}

}  // namespace
}  // namespace trabeo::testing
