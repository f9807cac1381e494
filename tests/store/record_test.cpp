#include <gtest/gtest.h>

#include "store/record.h"

namespace baltu::store {
namespace {

TEST(RecordTest, SplitJoinAndFieldOfAgree) {
  const std::string joined = "a\xCF\xCF\xCF" "\xCF\xCF\xCF" "c";
  EXPECT_EQ(splitRecord(joined), (std::vector<std::string>{"a", "", "c"}));
  EXPECT_EQ(joinRecord({"a", "", "c"}), joined);
  EXPECT_EQ(joinRecord({"solo"}), "solo");  // never a trailing separator
  EXPECT_EQ(fieldOf(joined, 1), "a");
  EXPECT_EQ(fieldOf(joined, 2), "");
  EXPECT_EQ(fieldOf(joined, 3), "c");
  EXPECT_EQ(fieldOf(joined, 4), "");  // missing fields read as empty
}

TEST(RecordTest, FieldsAndReplacementKeepTheJoinedText) {
  Record record = Record::fromFields({"E1011005", "CONCRETO", "0,00", "0"});
  EXPECT_EQ(record.fieldCount(), 4u);
  EXPECT_EQ(record.field(3), "0,00");
  EXPECT_EQ(record.field(9), "");

  record.setField(3, "   1.234,50");
  record.setField(1, "X");
  EXPECT_EQ(record.text(), joinRecord({"X", "CONCRETO", "   1.234,50", "0"}));
  EXPECT_EQ(record.field(4), "0");

  record.setField(6, "1");  // grows with empty fields
  EXPECT_EQ(record.text(), joinRecord({"X", "CONCRETO", "   1.234,50", "0", "", "1"}));
  EXPECT_EQ(Record(record.text()).field(6), "1");
}

}  // namespace
}  // namespace baltu::store
