#include "session/desktop_start.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "fileio/file_bytes.h"
#include "sections/catalogue/catalogue.h"
#include "settings/units_file.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

// The start folder as a user may leave it: preferences saved, one table cut short.
TEST(DesktopStartTest, ReadsThePreferencesAndWritesEveryCatalogueTable) {
  const fs::path folder =
      fs::temp_directory_path() / ("trabeo-start-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  UnitSettings saved;
  saved.LengthUnitName = "mm";
  saved.LengthFactor = 1;
  ASSERT_EQ(WriteUnitsFile(folder, saved), "");
  ASSERT_EQ(WriteFileAtomically(folder / "UC.sct", std::vector<uint8_t>(200, 0)), "");

  ProjectSession session(folder);
  StartDesktopSession(session);

  EXPECT_EQ(session.units().LengthUnitName, "mm");
  for (const CatalogueFile& file : CatalogueFiles())
    EXPECT_TRUE(fs::exists(folder / file.name)) << file.name;
  EXPECT_EQ(fs::file_size(folder / "UC.sct"), 37u * 200);  // the 37 records of the table
  fs::remove_all(folder);
}

}  // namespace
}  // namespace trabeo
