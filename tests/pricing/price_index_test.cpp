#include "pricing/price_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing_fixture.h"

namespace baltu::pricing {
namespace {

using store::Record;
using test::equipmentUse;
using test::materialUse;

std::vector<std::size_t> rowsOf(const ComponentIndex& index, std::string_view code) {
  const auto rows = index.rowsOf(code);
  return {rows.begin(), rows.end()};
}

// What the scan over the table gives: the first row whose key equals the code.
std::optional<std::size_t> scanFirst(const store::Table& table, std::string_view key, bool trimmedCode) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string_view rowKey =
        trimmedCode ? store::trim(table[i].field(store::field::kCode)) : leftEight(table[i]);
    if (rowKey == key) return i;
  }
  return std::nullopt;
}

TEST(CodeIndex, FindsWhatTheScanFinds) {
  store::Table table;
  // Enough rows to make the table grow several times; repeated codes keep their first row.
  for (int i = 0; i < 3000; ++i)
    table.push_back(test::material(std::to_string(i % 2500), "Insumo " + std::to_string(i), "kg", "1,00"));
  table.push_back(Record::fromFields({"  CODIGO-LARGO-9044", "Codigo de mas de 8", "m3", "1,00"}));
  table.push_back(Record("12"));  // a row shorter than 8 characters: its key is the whole row
  table.push_back(Record(""));

  const CodeIndex byLeftEight = CodeIndex::byLeftEight(table);
  const CodeIndex byTrimmed = CodeIndex::byTrimmedCode(table);
  const std::vector<std::string> keys = {"       0", "    2499", "    2500", "     777", "777", "12", "12      ",
                                         "",         "CODIGO-L", "CODIGO-LARGO-9044", "  CODIGO", "2499", "0"};
  for (const std::string& key : keys) {
    EXPECT_EQ(byLeftEight.find(key), scanFirst(table, key, false)) << '"' << key << '"';
    EXPECT_EQ(byTrimmed.find(key), scanFirst(table, key, true)) << '"' << key << '"';
  }
  EXPECT_EQ(byLeftEight.find("       7"), std::optional<std::size_t>(7));  // not 2507
  EXPECT_EQ(CodeIndex().find("       7"), std::nullopt);
}

// A list out of order (here, one that two guides were joined into) still gives
// each partida's rows in list order; rows shorter than 8 characters are keys too.
TEST(ComponentIndex, RowsOfAPartidaInListOrder) {
  const store::Table list = {materialUse("PAR-0002", "101", "1,0000"), materialUse("PAR-0001", "102", "2,0000"),
                             materialUse("PAR-0002", "103", "3,0000"), Record("PAR"),
                             materialUse("PAR-0001", "104", "4,0000"), materialUse("PAR-0003", "101", "5,0000")};
  const ComponentIndex index(list);
  EXPECT_EQ(rowsOf(index, "PAR-0001"), (std::vector<std::size_t>{1, 4}));
  EXPECT_EQ(rowsOf(index, "PAR-0002"), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(rowsOf(index, "PAR-0003"), (std::vector<std::size_t>{5}));
  EXPECT_EQ(rowsOf(index, "PAR"), (std::vector<std::size_t>{3}));
  EXPECT_TRUE(rowsOf(index, "PAR-0004").empty());
  EXPECT_TRUE(rowsOf(index, "PAR-00010").empty());
  EXPECT_TRUE(rowsOf(ComponentIndex(), "PAR-0001").empty());
}

TEST(ComponentIndex, EntriesHoldTheRowsNumbersAndCodes) {
  const store::Table list = {equipmentUse("PAR-0001", "40", "1,50", "0,50000"),
                             Record::fromFields({"PAR-0001", "  LARGO-123456 ", "2,00", "1,00000"}),
                             equipmentUse("PAR-0002", "5", "3,00", "0,25000")};
  const ComponentIndex withExtra(list, ComponentIndex::Extra::Read);
  const auto entries = withExtra.entriesOf("PAR-0001", list);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].row, 0u);
  EXPECT_EQ(entries[0].quantity, 1.5);
  EXPECT_EQ(entries[0].extra, 0.5);
  EXPECT_EQ(entries[0].insumoCode(list), "40");
  EXPECT_EQ(entries[1].insumoCode(list), "LARGO-123456");
  EXPECT_EQ(withExtra.entriesOf("PAR-0002", list)[0].extra, 0.25);
  EXPECT_TRUE(withExtra.entriesOf("PAR-0003", list).empty());

  const ComponentIndex withoutExtra(list);
  EXPECT_EQ(withoutExtra.entriesOf("PAR-0001", list)[0].quantity, 1.5);
  EXPECT_EQ(withoutExtra.entriesOf("PAR-0001", list)[0].extra, 0.0);
}

}  // namespace
}  // namespace baltu::pricing
