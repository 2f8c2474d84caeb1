#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "fileio/file_bytes.h"
#include "sections/catalogue/catalogue.h"
#include "sections/catalogue/catalogue_writers.h"
#include "sections/section_record_io.h"

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

TEST_F(CatalogueWriter, RecordsReadBackAsWritten) {
  WriteCatalogue(folder_);
  const CatalogueFile& file = *FindCatalogueFile("EqRSA.sct");
  const auto bytes = ReadFileBytes(folder_ / file.name);
  ASSERT_TRUE(bytes.has_value());
  BinaryReader reader(*bytes);
  const std::vector<SectionRecord> expected = CatalogueRecords(file);
  for (const SectionRecord& want : expected) {
    SectionRecord got;
    ASSERT_TRUE(ReadSectionRecord(reader, got));
    EXPECT_EQ(got.Designation, want.Designation);
    EXPECT_EQ(got.Type, want.Type);
    EXPECT_EQ(got.Ixx, want.Ixx);
    EXPECT_EQ(got.RecordNo, want.RecordNo);
  }
  SectionRecord extra;
  EXPECT_FALSE(ReadSectionRecord(reader, extra));
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

TEST_F(CatalogueWriter, WritesNothingIntoAMissingFolder) {
  const fs::path missing = folder_ / "missing";
  EXPECT_EQ(WriteCatalogue(missing).size(), CatalogueFiles().size());
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(CatalogueWriter, EachWriterWritesItsOwnFile) {
  using Writer = bool (*)(const fs::path&);
  const std::pair<Writer, const char*> writers[] = {
      {Pro_Load_UB, "UB.sct"},       {Pro_Load_UC, "UC.sct"},
      {Pro_Load_RSJ, "RSJ.sct"},     {Pro_Load_IPE, "IPE.sct"},
      {Pro_Load_HE, "HE.sct"},       {Pro_Load_WsBeam, "WsBeam.sct"},
      {Pro_Load_WsCol, "WsCol.sct"}, {Pro_Load_RSC, "RSC.sct"},
      {Pro_Load_PFC, "PFC.sct"},     {Pro_Load_UPN, "UPN.sct"},
      {Pro_Load_EqRSA, "EqRSA.sct"}, {Pro_Load_UnEqRSA, "UnEqRSA.sct"},
      {Pro_Load_EqL, "EqL.sct"},     {Pro_Load_UnEqL, "UnEqL.sct"},
      {Pro_Load_RHS, "RHS.sct"},     {Pro_Load_CHS, "CHS.sct"},
      {Pro_Load_C, "C.sct"},
  };
  for (const auto& [writer, name] : writers) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(writer(folder_));
    EXPECT_EQ(*ReadFileBytes(folder_ / name), Expected(*FindCatalogueFile(name)));
    fs::remove(folder_ / name);
    EXPECT_TRUE(fs::is_empty(folder_));
  }
  EXPECT_FALSE(Pro_Load_UB(folder_ / "missing"));
}

}  // namespace
}  // namespace trabeo
