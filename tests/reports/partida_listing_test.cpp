#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "reports/listing_options.h"
#include "reports/partida_listing.h"
#include "store/binary_fields.h"
#include "store/text.h"
#include "support/scripted_ui.h"

namespace baltu::reports {
namespace {

using store::Guide;
using store::Record;

std::string sp(std::size_t n) { return std::string(n, ' '); }
const std::string kRule = "    " + std::string(74, '_');

// Expected file text from UTF-8 lines: Windows-1252, every line ended by CR LF.
std::string fileText(const std::vector<std::string>& utf8Lines) {
  std::string out;
  for (const auto& line : utf8Lines) out += store::cp(line) + "\r\n";
  return out;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  if (from < text.size()) lines.push_back(text.substr(from) + "<no CR LF>");
  return lines;
}

// Whole outputs must match byte for byte; on failure, name the first differing line.
void expectSameFile(const std::string& actual, const std::string& expected) {
  if (actual == expected) return;
  const auto a = splitLines(actual);
  const auto e = splitLines(expected);
  for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
    const std::string got = i < a.size() ? a[i] : "<missing>";
    const std::string want = i < e.size() ? e[i] : "<missing>";
    if (got != want) {
      ADD_FAILURE() << "first difference at line " << i + 1 << "\n  expected: [" << store::toUtf8(want)
                    << "]\n  actual:   [" << store::toUtf8(got) << "]";
      return;
    }
  }
  ADD_FAILURE() << "outputs differ outside the lines";
}

Record partida(const char* code, const char* description, const char* covenin, const char* unit,
               const char* rendimiento, const char* base, const char* recalculated) {
  return Record::fromFields({code, store::cp(description), covenin, unit, rendimiento, base, recalculated, "  387,38",
                             "  301,50", "unid./1/1", "0"});
}

const char* const kLongDescription =
    "  SUMINISTRO, TRANSPORTE Y COLOCACION DE TUBERIA DE CONCRETO REFORZADO DE 60 CM DE DIAMETRO, "
    "IMPERMEABILIZACION ELASTOMERICA TERMOSOLDADA ANTIADHERENTES CON JUNTAS SELLADAS, SEGUN PLANOS.  ";

// A guide's partida table with numbers held as the data store holds them.
class PartidaListingTest : public ::testing::Test {
 protected:
  store::Table table = {
      partida("   10325", "EXCAVACION A MANO EN TIERRA ", "E311.100.120", "m3", "          8,000",
              "              123,45", "0,00"),
      partida("   10410", " CONCRETO DE \"RESISTENCIA\" 210 KGF/CM2", "E331.120.120", "Unid.", "      1.250,500",
              "            2.345,60", "0,00"),
      partida("EDF-9044", "MORTERO PARA FRISOS", "E411.000.001", "m3", "          1,000", "              512,00",
              "              498,75"),
      partida("   10500", kLongDescription, "E351.110.200", "ml", "         25,000", "           13.456,78", "0,00"),
      partida(" REM-012", "DEMOLICION DE FRISO", "E021.000.010", "m2", "         40,000", "               35,10",
              "               36,20"),
  };
  std::vector<std::string> refreshed;  // codes the fake pricing engine was asked about

  ListingContext context(Guide guide, bool sortByCode, ListingOptions options = {}) {
    ListingContext c;
    c.guide = guide;
    c.editionName = "SEPTIEMBRE 2011";
    c.sortByCode = sortByCode;
    c.options = options;
    c.refreshRecalculatedPrice = [this](Record& row) {
      static const std::map<std::string, std::string> fresh = {
          {"10325", "              150,00"},
          {"10410", "            2.900,10"},
          {"10500", "           14.000,01"},
      };
      const std::string code(store::trim(row.field(1)));
      refreshed.push_back(code);
      const auto it = fresh.find(code);
      row.setField(7, it != fresh.end() ? it->second : "<not to be refreshed>");
    };
    return c;
  }

  std::string csv(const std::vector<std::size_t>& rows, const ListingContext& c) {
    std::ostringstream out;
    EXPECT_EQ(writePartidaListingCsv(out, table, rows, c), ListingEnd::Completed);
    return out.str();
  }
  std::string text(const std::vector<std::size_t>& rows, const ListingContext& c) {
    std::ostringstream out;
    EXPECT_EQ(writePartidaListingText(out, table, rows, c), ListingEnd::Completed);
    return out.str();
  }
};

TEST_F(PartidaListingTest, CsvWithEverySwitchOnAndTheCodeField) {
  expectSameFile(
      csv({1, 0, 2}, context(Guide::Guia1, true)),
      fileText({
          "Listado de Partidas",
          "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
          " ",
          "Guía 1 - Edificaciones",
          " ",
          "Total Partidas:  3",
          " ",
          "Nº;CODIGO;COVENIN;UNIDAD;RENDIMIENTO;P.U. BASE;P.U. RECALCULADO;F.C.A.S.1;F.C.A.S.2;DESCRIPCION;",
          "1;   10410;E331.120.120;Unid.;      1.250,500;            2.345,60;            2.900,10;  387,38;  301,50;"
          "CONCRETO DE \"\"RESISTENCIA\"\" 210 KGF/CM2",
          "2;   10325;E311.100.120;m3;          8,000;              123,45;              150,00;  387,38;  301,50;"
          "EXCAVACION A MANO EN TIERRA",
          "3;EDF-9044;E411.000.001;m3;          1,000;              512,00;              498,75;  387,38;  301,50;"
          "MORTERO PARA FRISOS",
      }));
}

TEST_F(PartidaListingTest, TextWithEverySwitchOnJustifiesTheDescription) {
  expectSameFile(text({3, 1}, context(Guide::Guia1, true)),
                 fileText({
                     "REPORTE: Listado de Partidas",
                     "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                     " ",
                     "Guía 1 - Edificaciones",
                     " ",
                     "Total Partidas:    2",
                     " ",
                     "    Partida Nº 1",
                     "    " + sp(9) + "CODIGO: 10500" + sp(21) + "COVENIN: E351.110.200" + sp(1),
                     "    " + sp(10) + "UNIDAD: ml" + sp(19) + "RENDIMIENTO: 25,000" + sp(11),
                     "    " + sp(7) + "P.U. BASE: 13.456,78" + sp(14) + "F.C.A.S.1: 387,38",
                     "    P.U. RECALCULADO: 14.000,01" + sp(14) + "F.C.A.S.2: 301,50",
                     " ",
                     "    DESCRIPCION: ",
                     "    SUMINISTRO, TRANSPORTE Y COLOCACION DE TUBERIA DE CONCRETO REFORZADO DE 60",
                     "    CM" + sp(3) + "DE" + sp(4) + "DIAMETRO," + sp(4) + "IMPERMEABILIZACION" + sp(4) +
                         "ELASTOMERICA" + sp(4) + "TERMOSOLDADA",
                     "    ANTIADHERENTES CON JUNTAS SELLADAS, SEGUN PLANOS.",
                     kRule,
                     " ",
                     "    Partida Nº 2",
                     "    " + sp(9) + "CODIGO: 10410" + sp(21) + "COVENIN: E331.120.120" + sp(1),
                     "    " + sp(10) + "UNIDAD: Unid." + sp(16) + "RENDIMIENTO: 1.250,500" + sp(8),
                     "    " + sp(7) + "P.U. BASE: 2.345,60" + sp(15) + "F.C.A.S.1: 387,38",
                     "    P.U. RECALCULADO: 2.900,10" + sp(15) + "F.C.A.S.2: 301,50",
                     " ",
                     "    DESCRIPCION: ",
                     "    CONCRETO DE \"RESISTENCIA\" 210 KGF/CM2",
                     kRule,
                     " ",
                 }));
}

TEST_F(PartidaListingTest, SwitchesOffLeaveOutFieldsAndEmptyLines) {
  ListingOptions o;
  o.covenin = o.unit = o.basePrice = o.fcas2 = o.description = false;  // the code switch is on, but no /I
  const std::vector<std::size_t> rows = {0, 42};  // an index past the table is left out
  const ListingContext c = context(Guide::Guia4, false, o);

  expectSameFile(csv(rows, c), fileText({
                                   "Listado de Partidas",
                                   "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                                   " ",
                                   "Guía 4 - Electromecánica",
                                   " ",
                                   "Total Partidas:  1",
                                   " ",
                                   "Nº;RENDIMIENTO;P.U. RECALCULADO;F.C.A.S.1;",
                                   "1;          8,000;              150,00;  387,38;",
                               }));
  expectSameFile(text(rows, c), fileText({
                                    "REPORTE: Listado de Partidas",
                                    "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                                    " ",
                                    "Guía 4 - Electromecanica",
                                    " ",
                                    "Total Partidas:    1",
                                    " ",
                                    "    Partida Nº 1",
                                    "    " + sp(5) + "RENDIMIENTO: 8,000" + sp(22),
                                    "    " + sp(7) + "F.C.A.S.1: 387,38",
                                    "    P.U. RECALCULADO: 150,00" + sp(12),
                                    kRule,
                                    " ",
                                }));
}

TEST_F(PartidaListingTest, CsvRowsEndWithTheLastChosenField) {
  struct Case {
    const char* name;
    bool description;
    const char* heading;
    const char* row;
  };
  const Case cases[] = {
      {"every switch off", false, "Nº;", "1;"},
      {"only the description", true, "Nº;DESCRIPCION;", "1;MORTERO PARA FRISOS"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    ListingOptions o;
    o.editionDate = o.partidaCode = o.covenin = o.unit = o.rendimiento = false;
    o.basePrice = o.recalculatedPrice = o.fcas1 = o.fcas2 = false;
    o.description = k.description;
    expectSameFile(csv({2}, context(Guide::Ed9000, true, o)),
                   fileText({
                       "Listado de Partidas",
                       "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                       " ",
                       "Partidas como Insumos - Sector: Edificaciones y Vialidad ",
                       " ",
                       "Total Partidas:  1",
                       " ",
                       k.heading,
                       k.row,
                   }));
  }
}

TEST_F(PartidaListingTest, Guia6CallsTheCoveninFieldCodigo) {
  ListingOptions o;
  o.partidaCode = o.recalculatedPrice = false;
  const ListingContext c = context(Guide::Guia6, true, o);

  expectSameFile(csv({0}, c),
                 fileText({
                     "Listado de Partidas",
                     "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                     " ",
                     "Guía 6 - Eléctrica",
                     " ",
                     "Total Partidas:  1",
                     " ",
                     "Nº;CODIGO;UNIDAD;RENDIMIENTO;P.U. BASE;F.C.A.S.1;F.C.A.S.2;DESCRIPCION;",
                     "1;E311.100.120;m3;          8,000;              123,45;  387,38;  301,50;EXCAVACION A MANO EN TIERRA",
                 }));
  expectSameFile(text({0}, c), fileText({
                                   "REPORTE: Listado de Partidas",
                                   "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                                   " ",
                                   "Guía 6 - Eléctrica",
                                   " ",
                                   "Total Partidas:    1",
                                   " ",
                                   "    Partida Nº 1",
                                   "    " + sp(9) + "CODIGO: E311.100.120" + sp(11),
                                   "    " + sp(10) + "UNIDAD: m3" + sp(19) + "RENDIMIENTO: 8,000" + sp(12),
                                   "    " + sp(7) + "P.U. BASE: 123,45" + sp(17) + "F.C.A.S.1: 387,38",
                                   "    " + sp(7) + "F.C.A.S.2: 301,50",
                                   " ",
                                   "    DESCRIPCION: ",
                                   "    EXCAVACION A MANO EN TIERRA",
                                   kRule,
                                   " ",
                               }));
  EXPECT_TRUE(refreshed.empty()) << "the recalculated price is not written, so it is not brought up to date";
}

TEST_F(PartidaListingTest, RecalculatedPriceIsBroughtUpToDateExceptFor9000Codes) {
  ListingOptions o;
  o.covenin = o.unit = o.rendimiento = o.basePrice = o.fcas1 = o.fcas2 = o.description = false;
  expectSameFile(csv({2, 0, 4, 1}, context(Guide::Guia0, true, o)),
                 fileText({
                     "Listado de Partidas",
                     "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                     " ",
                     "Guías Disponibles",
                     " ",
                     "Total Partidas:  4",
                     " ",
                     "Nº;CODIGO;P.U. RECALCULADO;",
                     "1;EDF-9044;              498,75;",
                     "2;   10325;              150,00;",
                     "3; REM-012;               36,20;",
                     "4;   10410;            2.900,10;",
                 }));
  EXPECT_EQ(refreshed, (std::vector<std::string>{"10325", "10410"}));
  EXPECT_EQ(table[0].field(7), "0,00") << "the listing does not write into the list's table";
}

TEST_F(PartidaListingTest, CancelStopsLongListingsBetweenRows) {
  ListingOptions o;
  o.partidaCode = o.covenin = o.unit = o.rendimiento = o.basePrice = false;
  o.recalculatedPrice = o.fcas1 = o.fcas2 = o.description = false;
  const auto header = [](const char* total) {
    return std::vector<std::string>{"Listado de Partidas",
                                    "SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción",
                                    " ",
                                    "Guía 3 - Urbanismo",
                                    " ",
                                    total,
                                    " ",
                                    "Nº;"};
  };

  // Sixteen rows: progress before each row, Cancel honoured before the third.
  {
    test::ScriptedUi ui;
    ui.stopAfterEvents = 3;
    ListingContext c = context(Guide::Guia3, false, o);
    c.progress = &ui;
    std::ostringstream out;
    EXPECT_EQ(writePartidaListingCsv(out, table, std::vector<std::size_t>(16, 0), c), ListingEnd::Stopped);
    auto expected = header("Total Partidas:  16");
    expected.insert(expected.end(), {"1;", "2;"});
    expectSameFile(out.str(), fileText(expected));
    EXPECT_EQ(ui.progress, (std::vector<std::string>{"Preparando Partida 1 de 16", "0%", "Preparando Partida 2 de 16",
                                                     "6%", "Preparando Partida 3 de 16", "12%"}));
  }
  // Fifteen rows are written in one go.
  {
    test::ScriptedUi ui;
    ui.stopAfterEvents = 0;
    ListingContext c = context(Guide::Guia3, false, o);
    c.progress = &ui;
    std::ostringstream out;
    EXPECT_EQ(writePartidaListingCsv(out, table, std::vector<std::size_t>(15, 0), c), ListingEnd::Completed);
    auto expected = header("Total Partidas:  15");
    for (int k = 1; k <= 15; ++k) expected.push_back(std::to_string(k) + ";");
    expectSameFile(out.str(), fileText(expected));
    EXPECT_TRUE(ui.progress.empty());
  }
}

struct LayoutCase {
  const char* name;
  std::string description;
  std::size_t width;
  std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class DescriptionLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DescriptionLayoutTest, LaysOutLines) {
  EXPECT_EQ(layOutDescription(GetParam().description, GetParam().width), GetParam().lines);
}

const std::string kTenLetters = "ABCDEFGHIJ";

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionLayoutTest,
    ::testing::Values(
        LayoutCase{"Empty", "   ", 10, {""}},
        LayoutCase{"FitsExactly", "  ABCDE FGHI  ", 10, {"ABCDE FGHI"}},
        LayoutCase{"BlankAfterTheWidth", "ABCD EFGHI JK", 10, {"ABCD EFGHI", "JK"}},
        LayoutCase{"BlanksGoRightmostGapFirst", "A B CDE FGHIJKL", 10, {"A  B   CDE", "FGHIJKL"}},
        LayoutCase{"ARunOfBlanksIsOneGap", "AB  CD EFGHIJK", 10, {"AB      CD", "EFGHIJK"}},
        LayoutCase{"BlanksBeforeTheCutAreDropped", "ABC DEFG  HIJ", 10, {"ABC   DEFG", "HIJ"}},
        LayoutCase{"WordLongerThanTheLine",
                   kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters +
                       kTenLetters,
                   74,
                   {kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters + kTenLetters +
                        "ABC-",
                    "DEFGHIJ"}},
        // A short word before a long one stands alone and has no gap to widen.
        LayoutCase{"ShortWordBeforeALongOne", "AB CDEFGHIJKLMNOPQRSTUV", 10, {"AB", "CDEFGHIJK-", "LMNOPQRST-", "UV"}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(ListingOptionsTest, DefaultsAreWrittenAtTheirOffsets) {
  std::string block(1268, 'x');
  writeListingOptions(ListingOptions{}, block);
  std::string expected = std::string("\x03\0\0\0", 4);
  for (int i = 0; i < 11; ++i) expected += std::string("\x01\0\0\0", 4);
  expected += std::string("\0\0\0\0", 4);
  EXPECT_EQ(block.substr(900, 52), expected);
  EXPECT_EQ(block.substr(0, 900), std::string(900, 'x'));
  EXPECT_EQ(block.substr(952), std::string(1268 - 952, 'x'));
  EXPECT_EQ(readListingOptions(block), ListingOptions{});
}

TEST(ListingOptionsTest, ReadsTheKeptChoices) {
  std::string block(1268, '\0');
  store::setInt32At(block, 900, 2);
  store::setInt32At(block, 912, 1);  // description
  store::setInt32At(block, 932, 1);  // recalculated price
  store::setInt32At(block, 940, 7);  // FCAS 2: any value but 0 is on
  store::setInt32At(block, 948, 1);  // open when saved
  ListingOptions expected;
  expected.output = ListingOutput::CsvFile;
  expected.editionDate = expected.partidaCode = expected.covenin = expected.unit = expected.rendimiento = false;
  expected.basePrice = expected.fcas1 = expected.borders = false;
  expected.openWhenSaved = true;
  EXPECT_EQ(readListingOptions(block), expected);

  // A short block keeps the defaults of what it does not hold; an unknown output reads as the screen.
  std::string shortBlock(916, '\0');
  store::setInt32At(shortBlock, 900, 9);
  ListingOptions fromShort;
  fromShort.editionDate = fromShort.partidaCode = fromShort.description = false;
  EXPECT_EQ(readListingOptions(shortBlock), fromShort);
}

}  // namespace
}  // namespace baltu::reports
