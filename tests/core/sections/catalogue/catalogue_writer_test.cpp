#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fileio/binary_writer.h"
#include "fileio/file_bytes.h"
#include "sections/catalogue/catalogue.h"
#include "sections/section_record_io.h"
#include "support/file_size_limit.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

class CatalogueWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("trabeo_catalogue_" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<uint8_t> Expected(const CatalogueFile& file) const {
    BinaryWriter writer;
    for (const SectionRecord& record : CatalogueRecords(file))
      WriteSectionRecord(writer, record);
    return writer.bytes();
  }

  fs::path folder_;
};

TEST_F(CatalogueWriter, WritesEveryFileRecordByRecord) {
  EXPECT_TRUE(WriteCatalogue(folder_).empty());
  for (const CatalogueFile& file : CatalogueFiles()) {
    SCOPED_TRACE(std::string(file.name));
    const auto bytes = ReadFileBytes(folder_ / file.name);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), CatalogueRecords(file).size() * kSectionRecordSize);
    EXPECT_EQ(*bytes, Expected(file));
  }
  EXPECT_EQ(fs::file_size(folder_ / "UB.sct"), 19000u);
}

// Edits and longer files from other sources do not survive the next start.
TEST_F(CatalogueWriter, TruncatesAndReplacesExistingFiles) {
  {
    std::ofstream out(folder_ / "UC.sct", std::ios::binary);
    out << std::string(50000, 'x');
  }
  WriteCatalogue(folder_);
  EXPECT_EQ(*ReadFileBytes(folder_ / "UC.sct"), Expected(*FindCatalogueFile("UC.sct")));

  // One changed byte in a file of the right size is put right too.
  std::vector<uint8_t> edited = Expected(*FindCatalogueFile("RHS.sct"));
  edited[250] ^= 0x55;
  ASSERT_TRUE(WriteFileBytes(folder_ / "RHS.sct", edited));
  WriteCatalogue(folder_);
  EXPECT_EQ(*ReadFileBytes(folder_ / "RHS.sct"), Expected(*FindCatalogueFile("RHS.sct")));
}

TEST_F(CatalogueWriter, SkipsAFileThatCannotBeWrittenAndWritesTheRest) {
  fs::create_directory(folder_ / "PFC.sct");  // a folder where the file should go
  const std::vector<std::string> skipped = WriteCatalogue(folder_);
  EXPECT_EQ(skipped, std::vector<std::string>{"PFC.sct"});
  for (const CatalogueFile& file : CatalogueFiles()) {
    if (file.name == "PFC.sct") continue;
    EXPECT_TRUE(fs::is_regular_file(folder_ / file.name)) << file.name;
  }
  EXPECT_EQ(*ReadFileBytes(folder_ / "UPN.sct"), Expected(*FindCatalogueFile("UPN.sct")));
}

// On a disk that fills up part way, every file is either wholly new or exactly as it was; none is
// left empty or cut short.
TEST_F(CatalogueWriter, FullDiskLeavesEachOldFileWholeAndNamesIt) {
  std::vector<std::vector<uint8_t>> old;
  for (const CatalogueFile& file : CatalogueFiles()) {
    std::vector<uint8_t> bytes = Expected(file);
    bytes[30] ^= 0x55;  // an older file, so each must be rewritten
    ASSERT_TRUE(WriteFileBytes(folder_ / file.name, bytes));
    old.push_back(std::move(bytes));
  }
  const int skipped =
      RunWithFileSizeLimit(8000, [&] { return static_cast<int>(WriteCatalogue(folder_).size()); });
  int kept = 0;
  for (std::size_t i = 0; i < CatalogueFiles().size(); ++i) {
    const CatalogueFile& file = CatalogueFiles()[i];
    SCOPED_TRACE(std::string(file.name));
    const auto bytes = ReadFileBytes(folder_ / file.name);
    ASSERT_TRUE(bytes.has_value());
    if (*bytes == old[i]) {
      ++kept;
      EXPECT_GT(bytes->size(), 8000u);
    } else {
      EXPECT_EQ(*bytes, Expected(file));
    }
  }
  EXPECT_GT(kept, 0);
  EXPECT_EQ(skipped, kept);
  EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {})),
            CatalogueFiles().size());
}

TEST_F(CatalogueWriter, WritesNothingIntoAMissingFolder) {
  const fs::path missing = folder_ / "missing";
  EXPECT_EQ(WriteCatalogue(missing).size(), CatalogueFiles().size());
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace trabeo
