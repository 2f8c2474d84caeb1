#include "fileio/text_store.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(TextStoreTest, SlotZeroCountsAndTextsAreCut) {
  TextStore<4, 5> store;
  EXPECT_EQ(store.Count(), 0);
  store.Set(1, "abcdefgh");
  store.Set(2, "ab");
  store.SetCount(3);
  store.Set(9, "ignored");
  EXPECT_EQ(store[1], "abcde");
  EXPECT_EQ(store[2], "ab");
  EXPECT_EQ(store.Count(), 3);
  store.Set(0, "x");
  EXPECT_EQ(store.Count(), 0);
  store.Clear(1, 2);
  EXPECT_TRUE(store[1].empty());
  store.Clear();
  EXPECT_TRUE(store[0].empty());
}

// A capacity counts characters as a file holds them, one byte each, and never splits one.
TEST(TextStoreTest, CutCountsCharactersAndNeverSplitsOne) {
  EXPECT_EQ(CutToCapacity("ab\u00E9z", 3), "ab\u00E9");
  EXPECT_EQ(CutToCapacity("\u20AC\u20AC", 1), "\u20AC");
  EXPECT_EQ(CutToCapacity("a\xFF\xFF"
                          "b",
                          2),
            "a\xFF");  // a stray byte is one character
  EXPECT_EQ(CutToCapacity("abc", 0), "");
}

}  // namespace
}  // namespace trabeo
