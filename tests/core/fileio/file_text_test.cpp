#include "fileio/file_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"

namespace trabeo {
namespace {

// Characters of the Windows-1252 code page, from its published table.
TEST(FileTextTest, EightBitBytesAreTheCodePagesCharacters) {
  EXPECT_EQ(FileTextToUtf8("\xB5m"), "\u00B5m");
  EXPECT_EQ(FileTextToUtf8("mm\xB2"), "mm\u00B2");
  EXPECT_EQ(FileTextToUtf8("\xBD"), "\u00BD");
  EXPECT_EQ(FileTextToUtf8("\x80\x85\x96\x99\x9F"), "\u20AC\u2026\u2013\u2122\u0178");
  EXPECT_EQ(FileTextToUtf8("\xE9\xFF"), "\u00E9\u00FF");
  EXPECT_EQ(FileTextToUtf8("\x81\x8D"), "\u0081\u008D");  // undefined: kept as controls
  EXPECT_EQ(FileTextToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(FileTextTest, EveryByteReadAndWrittenBackIsUnchanged) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte)
    all += static_cast<char>(byte);
  const std::string inside = FileTextToUtf8(all);
  EXPECT_EQ(CharacterCount(inside), 256u);
  EXPECT_EQ(Utf8ToFileText(inside), all);
}

TEST(FileTextTest, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  EXPECT_EQ(Utf8ToFileText("\u00B5m \u00B2 \u00BD \u20AC"), "\xB5m \xB2 \xBD \x80");
  EXPECT_EQ(Utf8ToFileText("\u03B1=\U0001F600"), "?=?");
  EXPECT_EQ(Utf8ToFileText("\u0080"), "?");            // a control the code page lacks
  EXPECT_EQ(Utf8ToFileText("a\xFF\xE2\x82"), "a???");  // not UTF-8: one per byte
  EXPECT_EQ(Utf8ToFileText("\xED\xA0\x80"), "???");    // a surrogate is no character
  EXPECT_EQ(CharacterCount("a\xFF\xE2\x82"), 4u);
}

TEST(FileTextTest, FixedTextSlotsHoldEightBitCharactersCutToTheirCapacity) {
  BinaryWriter writer;
  writer.WriteFixedText("N/mm\u00B2", 10);
  writer.WriteFixedText(std::string(30, 'x') + "\u00BD", 25);
  writer.WriteFixedText("\u00BD\u00BD\u00BD", 2);
  const std::vector<uint8_t>& bytes = writer.bytes();
  ASSERT_EQ(bytes.size(), 11u + 26u + 3u);
  EXPECT_EQ(bytes[0], 5);
  EXPECT_EQ(bytes[5], 0xB2);
  EXPECT_EQ(bytes[11], 25);
  EXPECT_EQ(bytes[37], 2);
  EXPECT_EQ(bytes[38], 0xBD);
  EXPECT_EQ(bytes[39], 0xBD);

  BinaryReader reader(bytes);
  std::string unit, line, half;
  ASSERT_TRUE(reader.ReadFixedText(unit, 10));
  ASSERT_TRUE(reader.ReadFixedText(line, 25));
  ASSERT_TRUE(reader.ReadFixedText(half, 2));
  EXPECT_EQ(unit, "N/mm\u00B2");
  EXPECT_EQ(line, std::string(25, 'x'));
  EXPECT_EQ(half, "\u00BD\u00BD");
}

}  // namespace
}  // namespace trabeo
