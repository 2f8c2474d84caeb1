#include "document/save_beam_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "beam_file_test_support.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;
using testing::AnalysedBeam;
using testing::ScriptedDialogs;
using testing::TempFolder;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

TEST(SaveBeamFileTest, SaveWithoutANameAsksForOneAndAddsTheExtension) {
  TempFolder folder;
  auto beam = AnalysedBeam(DesignCode::None);
  ScriptedDialogs dialogs;
  dialogs.saveAnswers.push_back((folder.path() / "lintel").string());

  const SaveOutcome outcome = SaveBeam(SaveCommand::Save, beam->data(), dialogs);

  const fs::path written = folder.path() / "lintel.trb";
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.fileName, written.string());
  EXPECT_EQ(beam->header.CurrentFileName, written.string());
  EXPECT_EQ(fs::file_size(written), kBeamFileSize);
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].filter, "Trabeo Professional  (*.trb)");
  EXPECT_EQ(dialogs.fileRequests[0].defaultExtension, "trb");
  EXPECT_TRUE(dialogs.fileRequests[0].overwritePrompt);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(OpenBeamFileDialog().filter, "Trabeo Pro Beam Data   (*.trb)");

  // With a name, Save writes there without asking.
  ScriptedDialogs quiet;
  EXPECT_TRUE(SaveBeam(SaveCommand::Save, beam->data(), quiet).saved);
  EXPECT_TRUE(quiet.fileRequests.empty());
}

// Save falls back to Save As when its file cannot be written; a Save As that fails says so and
// keeps the name it had.
TEST(SaveBeamFileTest, FailedSaveFallsBackToSaveAsAndReportsItsOwnFailure) {
  TempFolder folder;
  auto beam = AnalysedBeam(DesignCode::None);
  const std::string unwritable = (folder.path() / "missing" / "lintel.trb").string();
  beam->header.CurrentFileName = unwritable;

  ScriptedDialogs cancelled;
  cancelled.saveAnswers.push_back(std::nullopt);
  EXPECT_FALSE(SaveBeam(SaveCommand::Save, beam->data(), cancelled).saved);
  EXPECT_EQ(cancelled.fileRequests.size(), 1u);
  EXPECT_TRUE(cancelled.messages.empty());

  beam->header.CurrentFileName = (folder.path() / "old.trb").string();
  ScriptedDialogs failing;
  failing.saveAnswers.push_back(unwritable);
  const SaveOutcome outcome = SaveBeam(SaveCommand::SaveAs, beam->data(), failing);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(failing.messages, std::vector<std::string>{"File Saving Error"});
  EXPECT_EQ(beam->header.CurrentFileName, (folder.path() / "old.trb").string());
  EXPECT_TRUE(Names(folder.path()).empty());
}

// The header's file name is shared with the member capacity window: after that window saved
// its file, the beam's "Save" asks for a name rather than writing the beam over that file.
TEST(SaveBeamFileTest, SaveNeverWritesTheBeamOverAMemberCapacityFile) {
  TempFolder folder;
  auto beam = AnalysedBeam(DesignCode::None);
  const fs::path member = folder.path() / "column.trm";
  std::ofstream(member, std::ios::binary) << "TRB2 member data";
  beam->header.CurrentFileName = member.string();

  ScriptedDialogs dialogs;
  dialogs.saveAnswers.push_back((folder.path() / "BEAM.TRB").string());
  EXPECT_TRUE(SaveBeam(SaveCommand::Save, beam->data(), dialogs).saved);
  EXPECT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(Contents(member), "TRB2 member data");

  // A beam file named in capitals is still saved over without asking.
  ScriptedDialogs quiet;
  EXPECT_TRUE(SaveBeam(SaveCommand::Save, beam->data(), quiet).saved);
  EXPECT_TRUE(quiet.fileRequests.empty());
}

enum class Obstacle { ReadOnlyFolder, FullDisk };

// Runs the write in a child process, where the folder can be made unwritable (dropping root's
// right to ignore that) or the file size limited as on a full disk. Returns the child's status:
// 0 when the write reported its failure.
int WriteInChild(const fs::path& path, Obstacle obstacle, const BeamFileData& data) {
  const pid_t child = fork();
  if (child == 0) {
    if (obstacle == Obstacle::ReadOnlyFolder) {
      ::chmod(path.parent_path().c_str(), 0555);
      if (::geteuid() == 0 && ::setuid(65534) != 0) _exit(3);
    } else {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{100000, 100000};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
    }
    _exit(WriteBeamFile(path, data).empty() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::chmod(path.parent_path().c_str(), 0755);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

class FailedWriteTest : public ::testing::TestWithParam<Obstacle> {};

TEST_P(FailedWriteTest, LeavesTheOldFileAsItWas) {
  TempFolder folder;
  const fs::path path = folder.path() / "lintel.trb";
  const std::string old = "the beam saved yesterday";
  std::ofstream(path, std::ios::binary) << old;
  auto beam = AnalysedBeam(DesignCode::BS5950);

  EXPECT_EQ(WriteInChild(path, GetParam(), beam->data()), 0);
  EXPECT_EQ(Contents(path), old);
  EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"lintel.trb"});
}

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedWriteTest,
                         ::testing::Values(Obstacle::ReadOnlyFolder, Obstacle::FullDisk));

}  // namespace
}  // namespace trabeo
