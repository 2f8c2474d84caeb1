// File Open, Save, Save As, Print and Export PDF in the main window, and the recent files.
#include <unistd.h>

#include <QImage>
#include <QMenu>
#include <fstream>
#include <iterator>

#include "app/app_test_support.h"
#include "app/index_form.h"
#include "app/picture_widget.h"

namespace trabeo::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Strings(const QStringList& lines) {
  std::vector<std::string> strings;
  for (const QString& line : lines)
    strings.push_back(line.toStdString());
  return strings;
}

// The lines of a listing that its stores keep, which an opened file lists and the report prints:
// the stores keep one empty slot for a run of blank lines, and not the heading of the results at
// twentieths, which only the list shows.
std::vector<std::string> StoredLines(const std::vector<std::string>& listing) {
  std::vector<std::string> stored;
  for (const std::string& line : listing) {
    if (QString::fromStdString(line).trimmed().isEmpty()) continue;
    if (line == " RESULTS AT 1/20th SPAN INTERVALS") continue;
    stored.push_back(line);
  }
  return stored;
}

int NonBlackPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y) != Qt::black;
  }
  return count;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder the program cannot write into for the life of the object. Root writes anywhere, so
// a test run as root gives up its effective user id meanwhile.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const fs::path& path) : path_(path) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read |
                               fs::perms::others_exec);
    droppedRoot_ = ::geteuid() == 0 && ::seteuid(65534) == 0;
  }
  ~UnwritableFolder() {
    if (droppedRoot_ && ::seteuid(0) != 0) std::abort();
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;

  bool holds() const { return ::geteuid() != 0; }

 private:
  fs::path path_;
  bool droppedRoot_ = false;
};

class BeamFileCommandsTest : public AppFixture {
 protected:
  // A simple span of 6 m in 203 x 133 UB 25, picked from its table, with 10 kN at mid-span and
  // 2 kN/m over the whole span.
  void AnalyseUniversalBeam() {
    Click("TIndexFrm", "cmdOK");
    QAction* universalBeams = Form("TBeamFrm")->findChild<QAction*>("UniversalBeams1");
    ASSERT_NE(universalBeams, nullptr);
    universalBeams->trigger();
    Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(8);  // 203 x 133 UB 25
    Type("TBeamFrm", "Edit_Span_L", "6");
    Click("TBeamFrm", "cmdNext");
    Click("TLoadDataFrm", "OptionP1");
    Type("TLoadDataFrm", "Edit_PL1", "10");
    Type("TLoadDataFrm", "Edit_Dist1", "3");
    Click("TLoadDataFrm", "Check1");
    Click("TLoadDataFrm", "OptionUDL2");
    Type("TLoadDataFrm", "Edit_Dist2", "0");
    Type("TLoadDataFrm", "Edit_UDLS2", "2");
    Type("TLoadDataFrm", "Edit_UDLF2", "2");
    Type("TLoadDataFrm", "Edit_Cover2", "6");
    Click("TLoadDataFrm", "Check2");
    Click("TLoadDataFrm", "cmdOK");
    ASSERT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(session().ResultsValid(), 1);
  }

  void SaveAs(const fs::path& answer) {
    dialogs.saveAnswers.push_back(answer.string());
    Trigger("SaveAs1");
  }
  void Open(const fs::path& answer) {
    dialogs.openAnswers.push_back(answer.string());
    Trigger("Open1");
  }

  TIndexFrm* Index() const { return static_cast<TIndexFrm*>(Form("TIndexFrm")); }
  std::vector<std::string> Listing() const {
    return Strings(ListLines("TIndexFrm", "List_Results"));
  }
  QString Caption() const { return Index()->windowTitle(); }
  bool Enabled(const char* command) const { return MenuAction(command)->isEnabled(); }
  QString BeamFormLabel(const char* name) const {
    return Control<QLabel>("TBeamFrm", name)->text();
  }
  QStringList RecentMenu() const {
    QStringList texts;
    for (QAction* item : Index()->findChild<QMenu*>("RecentFiles1")->actions())
      texts << item->text();
    return texts;
  }
};

// Saved, cleared by File New and opened again: the same listing, diagrams and section form,
// without a new analysis; it prints at once and is saved again only after an analysis.
TEST_F(BeamFileCommandsTest, SavedBeamOpensAgainAsItWasAndPrints) {
  ASSERT_NO_FATAL_FAILURE(AnalyseUniversalBeam());
  const std::vector<std::string> listing = Listing();
  const QImage picture = Index()->picture()->image().copy();
  const QStringList properties = ListLines("TBeamFrm", "List_Props");
  ASSERT_GT(listing.size(), 50);
  ASSERT_FALSE(properties.isEmpty());
  ASSERT_GT(NonBlackPixels(picture), 1000) << "the beam and its diagrams";

  const fs::path file = folder / "lintel.trb";
  SaveAs(folder / "lintel");  // typed without its extension
  ASSERT_EQ(fs::file_size(file), 215763u);
  EXPECT_EQ(dialogs.fileRequests.back().filter, "Trabeo Professional  (*.trb)");
  EXPECT_EQ(dialogs.fileRequests.back().defaultExtension, "trb");
  EXPECT_TRUE(dialogs.fileRequests.back().overwritePrompt);
  EXPECT_EQ(Caption(), QString::fromStdString(file.string()));

  Trigger("New1");
  EXPECT_TRUE(Listing().empty());
  EXPECT_EQ(NonBlackPixels(Index()->picture()->image()), 0);
  EXPECT_EQ(Caption(), "Trabeo Professional");
  for (const char* command : {"Save1", "SaveAs1", "Print1", "ExportPDF1"})
    EXPECT_FALSE(Enabled(command)) << command;

  Open(file);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.fileRequests.back().filter, "Trabeo Pro Beam Data   (*.trb)");
  EXPECT_EQ(Caption(), QString::fromStdString(file.string()));
  EXPECT_EQ(StoredLines(Listing()), StoredLines(listing));
  EXPECT_EQ(Index()->picture()->image(), picture);
  EXPECT_EQ(session().ResultsValid(), 1);
  EXPECT_TRUE(Enabled("Print1"));
  EXPECT_TRUE(Enabled("ExportPDF1"));
  EXPECT_FALSE(Enabled("Save1"));
  EXPECT_FALSE(Enabled("SaveAs1"));
  // File New showed the section form; the opened beam's form lists its table and labels.
  EXPECT_FALSE(Form("TBeamFrm")->isVisible());
  EXPECT_EQ(ListLines("TBeamFrm", "List_Sect").size(), 95);
  EXPECT_EQ(BeamFormLabel("lbl_Py"), "275");
  EXPECT_EQ(BeamFormLabel("lbl_SectionTypeX"), "Section is Compact");
  EXPECT_EQ(ListLines("TBeamFrm", "List_Props"), properties);
  EXPECT_EQ(RecentMenu().size(), 1);

  // Print: the preview's document is the report, its pages holding the listing's lines under a
  // header that names the file.
  Trigger("Print1");
  ASSERT_TRUE(printing.printed);
  ASSERT_NE(printing.job, nullptr);
  const RecordingCanvas& printed = printing.job->recorder();
  EXPECT_FALSE(printed.TextsEqualTo(file.string()).empty());
  for (const std::string& line : StoredLines(listing))
    EXPECT_FALSE(printed.TextsEqualTo(line).empty()) << line;
  EXPECT_GE(printing.job->PageNumber(), 2);

  // Export PDF asks for a name beside the beam file and prints the same report into it.
  dialogs.saveAnswers.push_back((folder / "lintel report").string());
  Trigger("ExportPDF1");
  EXPECT_EQ(dialogs.fileRequests.back().initialName, "lintel.pdf");
  EXPECT_EQ(dialogs.fileRequests.back().defaultExtension, "pdf");
  EXPECT_EQ(printing.pdfPaths, std::vector<std::string>{(folder / "lintel report.pdf").string()});
  EXPECT_TRUE(printing.printed);
  EXPECT_TRUE(dialogs.messages.empty());
}

// A Save that cannot write falls back to Save As; that fails too, says so, and the file keeps
// the beam saved before.
TEST_F(BeamFileCommandsTest, FailedSaveSaysSoAndLeavesTheOldFile) {
  const fs::path jobs = folder / "jobs";
  fs::create_directories(jobs);
  const fs::path file = jobs / "lintel.trb";
  LoadAnalysed(SimpleBeam());
  SaveAs(file);
  const std::string saved = Contents(file);
  ASSERT_EQ(saved.size(), 215763u);

  BeamProject heavier = SimpleBeam();
  heavier.model.Loads.row(1).Intensity = 25000;
  LoadAnalysed(heavier);
  {
    UnwritableFolder readOnly(jobs);
    if (!readOnly.holds()) GTEST_SKIP() << "cannot give up root to make a folder read-only";
    dialogs.saveAnswers.push_back(file.string());
    Trigger("Save1");
  }
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"File Saving Error"});
  EXPECT_EQ(Contents(file), saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(jobs), fs::directory_iterator()), 1);
  EXPECT_EQ(Caption(), QString::fromStdString(file.string()));
}

// An opened file without results (here cut short before them) has nothing to print.
TEST_F(BeamFileCommandsTest, FileWithoutResultsHasNothingToPrint) {
  LoadAnalysed(SimpleBeam());
  const fs::path file = folder / "cut.trb";
  SaveAs(file);
  fs::resize_file(file, 7479);  // up to the results
  Open(file);
  ASSERT_TRUE(Enabled("Print1"));
  Trigger("Print1");
  Trigger("ExportPDF1");
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Nothing to print!", "Nothing to print!"}));
  EXPECT_TRUE(printing.titles.empty());
  EXPECT_TRUE(printing.pdfPaths.empty());
}

// The recent files outlive the program; one that has gone since is dropped and the beam in
// hand stays.
TEST_F(BeamFileCommandsTest, RecentFilesOpenAgainInTheNextProgram) {
  LoadAnalysed(SimpleBeam());
  SaveAs(folder / "first.trb");
  SaveAs(folder / "second.trb");
  app.reset();
  app = std::make_unique<TrabeoApplication>(
      AppOptions{folder, &dialogs, &printing, &clipboard, folder / "settings.ini"});
  app->start();
  QApplication::processEvents();

  const QStringList recent = RecentMenu();
  ASSERT_EQ(recent.size(), 2);
  EXPECT_TRUE(recent[0].endsWith("second.trb"));
  EXPECT_TRUE(recent[1].endsWith("first.trb"));

  Index()->findChild<QAction*>("RecentFile1")->trigger();
  EXPECT_EQ(Caption(), QString::fromStdString((folder / "second.trb").string()));
  const std::vector<std::string> listing = Listing();
  EXPECT_FALSE(listing.empty());

  fs::remove(folder / "first.trb");
  Index()->findChild<QAction*>("RecentFile2")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("first.trb"), std::string::npos);
  EXPECT_EQ(RecentMenu().size(), 1);
  EXPECT_EQ(StoredLines(Listing()), StoredLines(listing));
  EXPECT_EQ(session().ResultsValid(), 1);
}

// New, Open and Exit ask before an analysed beam changed since it was saved is lost: Cancel keeps
// it, Save saves it first, Discard lets it go. A beam as saved or opened is not asked about.
TEST_F(BeamFileCommandsTest, NewOpenAndExitAskBeforeUnsavedWorkIsLost) {
  LoadAnalysed(SimpleBeam());
  dialogs.saveChangesAnswers.push_back(SaveChoice::Cancel);
  Trigger("New1");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Save changes to Untitled?"});
  EXPECT_EQ(session().model().TotalLength, 6000);
  EXPECT_EQ(session().ResultsValid(), 1);

  const fs::path file = folder / "asked.trb";
  dialogs.saveChangesAnswers.push_back(SaveChoice::Save);
  dialogs.saveAnswers.push_back(file.string());
  Trigger("New1");
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(session().model().TotalLength, 0);

  dialogs.openAnswers.push_back(file.string());
  Trigger("Open1");
  Trigger("New1");
  EXPECT_EQ(dialogs.questions.size(), 2u);

  dialogs.openAnswers.push_back(file.string());
  Trigger("Open1");
  BeamProject changed = session().project();
  changed.model.Loads.row(1).Intensity = 20000;
  LoadAnalysed(changed);
  dialogs.saveChangesAnswers.push_back(SaveChoice::Cancel);
  Form("TIndexFrm")->close();
  EXPECT_TRUE(Form("TIndexFrm")->isVisible());
  EXPECT_EQ(dialogs.questions.back(), "Save changes to asked.trb?");

  dialogs.saveChangesAnswers.push_back(SaveChoice::Discard);
  dialogs.openAnswers.push_back(file.string());
  Trigger("Open1");
  EXPECT_EQ(dialogs.questions.size(), 4u);
  EXPECT_FLOAT_EQ(session().model().Loads.row(1).Intensity, 10000);
}

}  // namespace
}  // namespace trabeo::testing
