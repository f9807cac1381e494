#include "mkedition/sample_edition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "mkedition/mkedition_command.h"
#include "pricing/edition_table.h"
#include "pricing/working_values.h"
#include "store/guide_file.h"
#include "store/insumo_file.h"
#include "store/number_text.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace baltu::mkedition {
namespace {

using store::Guide;
using store::trim;
namespace field = store::field;

// An edition read back the way the program's start-up reads it.
struct LoadedEdition {
  store::InsumoTables insumos;
  std::vector<std::pair<Guide, store::GuideTables>> guides;
  std::size_t figureSectors = 0;  // partidas whose sector field holds an FCAS figure
};

std::set<std::string> codesOf(const store::Table& table) {
  std::set<std::string> codes;
  for (const store::Record& row : table) codes.emplace(trim(row.field(field::kCode)));
  return codes;
}

std::set<std::string> codesOfType(const store::Table& table, std::size_t typeField, std::string_view type) {
  std::set<std::string> codes;
  for (const store::Record& row : table)
    if (trim(row.field(typeField)) == type) codes.emplace(trim(row.field(field::kCode)));
  return codes;
}

void load(const std::filesystem::path& folder, const SampleEditionOptions& options, const SampleCounts& counts,
          test::ScriptedUi& ui, LoadedEdition& out) {
  auto insumos = store::loadInsumoFile(folder / insumoFileName(options.region), {}, ui);
  ASSERT_TRUE(insumos.ok()) << insumos.failure().message;
  out.insumos = std::move(insumos.value());
  ASSERT_EQ(out.insumos.editionName, options.editionName);
  auto edition = pricing::applyEdition(out.insumos.editionName);
  ASSERT_TRUE(edition.ok());
  for (const SampleGuideCounts& expected : counts.guides) {
    const Guide guide = expected.guide;
    store::FcasResolver resolver = [&](const store::PartidaBeingRead& p) {
      if (store::isRawNumber(p.sector)) ++out.figureSectors;
      return pricing::resolvePartidaFcas(edition.value(), guide, p, ui);
    };
    auto tables = store::loadGuideFile(folder / store::dataFileName(guide), guide, {}, resolver, ui);
    ASSERT_TRUE(tables.ok()) << tables.failure().message;
    out.guides.emplace_back(guide, std::move(tables.value()));
  }
}

// ---- what any sample edition holds, for several editions and regions ----

struct LoadCase {
  const char* name;
  SampleEditionOptions options;
};
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class SampleEditionLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SampleEditionLoadTest, LoadsWithoutAQuestionAndEveryReferenceExists) {
  const SampleEditionOptions& options = GetParam().options;
  test::TempFolder folder;
  auto written = writeSampleEdition(folder.path(), options);
  ASSERT_TRUE(written.ok()) << written.failure().message;
  const SampleCounts& counts = written.value().counts;
  test::ScriptedUi ui;
  LoadedEdition loaded;
  load(folder.path(), options, counts, ui, loaded);
  if (HasFatalFailure()) return;
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;

  const store::InsumoTables& t = loaded.insumos;
  const std::array<const store::Table*, 6> tables = {&t.materials,         &t.equipment,         &t.labour,
                                                     &t.compoundMaterials, &t.compoundEquipment, &t.compoundLabour};
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(tables[k]->size(), counts.insumos[k]) << "section " << k;
  for (std::size_t k = 0; k < 6; ++k) EXPECT_GT(tables[k]->size(), 0u) << "section " << k;

  // Compound insumos: one per type "C" row, each group a simple insumo of its kind.
  const std::array<std::size_t, 3> typeFields = {field::kMaterialType, field::kEquipmentType, field::kLabourType};
  const std::array<std::size_t, 3> firstGroup = {4, 5, 4};
  const std::array<std::size_t, 3> groupSize = {5, 6, 5};
  for (std::size_t kind = 0; kind < 3; ++kind) {
    const store::Table& simple = *tables[kind];
    const store::Table& compound = *tables[kind + 3];
    EXPECT_EQ(codesOf(compound), codesOfType(simple, typeFields[kind], "C")) << "kind " << kind;
    const std::set<std::string> simpleCodes = codesOfType(simple, typeFields[kind], "S");
    for (const store::Record& row : compound) {
      std::size_t groups = 0;
      for (std::size_t g = 0; g < 15; ++g) {
        const std::string code(trim(row.field(firstGroup[kind] + g * groupSize[kind])));
        if (code == "0") continue;
        ++groups;
        EXPECT_TRUE(simpleCodes.contains(code)) << "compound " << row.field(1) << " group " << code;
      }
      EXPECT_GT(groups, 0u) << "compound " << row.field(1);
    }
  }

  const std::set<std::string> materials = codesOf(t.materials);
  const std::set<std::string> equipment = codesOf(t.equipment);
  const std::set<std::string> labour = codesOf(t.labour);
  ASSERT_EQ(loaded.guides.size(), counts.guides.size());
  for (std::size_t i = 0; i < loaded.guides.size(); ++i) {
    const auto& [guide, g] = loaded.guides[i];
    const SampleGuideCounts& expected = counts.guides[i];
    SCOPED_TRACE(store::dataFileName(guide));
    EXPECT_EQ(g.partidas.size(), expected.partidas);
    EXPECT_EQ(g.materials.size(), expected.materials);
    EXPECT_EQ(g.equipment.size(), expected.equipment);
    EXPECT_EQ(g.labour.size(), expected.labour);
    EXPECT_GE(g.partidas.size(), 20u);

    std::set<std::string> partidaCodes, covenin;
    for (const store::Record& p : g.partidas) {
      EXPECT_EQ(p.field(field::kCode).size(), 8u) << p.field(field::kCode);
      EXPECT_TRUE(partidaCodes.emplace(p.field(field::kCode)).second) << "repeated " << p.field(field::kCode);
      EXPECT_TRUE(covenin.emplace(p.field(field::kCovenin)).second) << "repeated " << p.field(field::kCovenin);
      EXPECT_FALSE(trim(p.field(field::kFcas1)).empty()) << p.field(field::kCode);
    }
    const std::array<std::pair<const store::Table*, const std::set<std::string>*>, 3> lists = {
        {{&g.materials, &materials}, {&g.equipment, &equipment}, {&g.labour, &labour}}};
    for (const auto& [list, insumoCodes] : lists) {
      for (const store::Record& c : *list) {
        EXPECT_TRUE(partidaCodes.contains(std::string(c.field(field::kComponentPartida))))
            << "component of a missing partida " << c.field(field::kComponentPartida);
        EXPECT_TRUE(insumoCodes->contains(std::string(trim(c.field(field::kComponentInsumo)))))
            << c.field(field::kComponentPartida) << " uses missing insumo " << c.field(field::kComponentInsumo);
      }
    }
  }
}

LoadCase loadCase(const char* name, std::string edition, int region, std::uint64_t seed) {
  LoadCase c{name, {}};
  c.options.editionName = std::move(edition);
  c.options.region = region;
  c.options.seed = seed;
  return c;
}

// ABRIL 2015 has figures that earlier editions corrected; SEPTIEMBRE 2011 has equal
// FCAS1 figures in several sectors.
INSTANTIATE_TEST_SUITE_P(Editions, SampleEditionLoadTest,
                         ::testing::Values(loadCase("Diciembre2018", "DICIEMBRE 2018", 1, 1),
                                           loadCase("Abril2015Region2", "ABRIL 2015", 2, 7),
                                           loadCase("Septiembre2011Region3", "SEPTIEMBRE 2011", 3, 42),
                                           loadCase("Abril2018IIRegion4", "ABRIL 2018 - II", 4, 2024)),
                         [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// ---- what the pricing rules need to find in the data ----

TEST(SampleEditionTest, CarriesTheInsumosThePricingRulesWorkOn) {
  test::TempFolder folder;
  const SampleEditionOptions options;
  auto written = writeSampleEdition(folder.path(), options);
  ASSERT_TRUE(written.ok()) << written.failure().message;
  test::ScriptedUi ui;
  LoadedEdition loaded;
  load(folder.path(), options, written.value().counts, ui, loaded);
  if (HasFatalFailure()) return;

  const std::set<std::string> materials = codesOf(loaded.insumos.materials);
  for (const auto& pair : pricing::substitutionPairs()) {
    EXPECT_TRUE(materials.contains(std::string(pair.from))) << pair.from;
    EXPECT_TRUE(materials.contains(std::string(pair.to))) << pair.to;
  }
  const std::set<std::string> equipment = codesOf(loaded.insumos.equipment);
  for (std::string_view winch : {"5", "373", "25", "273", "513", "514"})
    EXPECT_TRUE(equipment.contains(std::string(winch))) << winch;
  EXPECT_TRUE(codesOf(loaded.insumos.labour).contains("30"));

  // Transport items: unit "%", one per marker, used by partidas.
  std::set<std::string> transportCodes;
  std::set<std::string> markers;
  for (const store::Record& m : loaded.insumos.materials) {
    if (m.field(field::kUnit) != "%") continue;
    transportCodes.emplace(trim(m.field(field::kCode)));
    for (std::string_view marker : {"( 1%)", "( 5%)", "(10%)"})
      if (m.field(field::kDescription).find(marker) != std::string_view::npos) markers.emplace(marker);
  }
  EXPECT_EQ(markers.size(), 3u);

  const std::set<std::string> partidaMaterials = codesOfType(loaded.insumos.materials, field::kMaterialType, "P");
  std::set<std::string> partidas9000;
  std::size_t transportUses = 0, partidaMaterialUses = 0, winchUses = 0;
  std::map<Guide, std::size_t> mortarUses;
  for (const auto& [guide, g] : loaded.guides) {
    if (store::is9000Guide(guide))
      for (const store::Record& p : g.partidas) partidas9000.emplace(p.field(field::kCode));
    for (const store::Record& c : g.materials) {
      const std::string code(trim(c.field(field::kComponentInsumo)));
      transportUses += transportCodes.contains(code);
      if (!partidaMaterials.contains(code)) continue;
      if (store::is9000Guide(guide))
        mortarUses[guide] += code == "EDF-9044" || code == "REM-9044";
      else
        ++partidaMaterialUses;
    }
    for (const store::Record& c : g.equipment) {
      const std::string_view code = trim(c.field(field::kComponentInsumo));
      winchUses += code == "5" || code == "373" || code == "25" || code == "273" || code == "513" || code == "514";
    }
  }
  EXPECT_EQ(partidaMaterials, partidas9000);
  EXPECT_TRUE(partidas9000.contains("EDF-9044"));
  EXPECT_TRUE(partidas9000.contains("REM-9044"));
  EXPECT_GT(mortarUses[Guide::Ed9000], 0u);
  EXPECT_GT(mortarUses[Guide::Rm9000], 0u);
  EXPECT_GT(partidaMaterialUses, 0u);
  EXPECT_GT(transportUses, 100u);
  EXPECT_GT(winchUses, 0u);
  EXPECT_GT(loaded.figureSectors, 0u);
}

// ---- determinism ----

std::map<std::string, std::string> filesOf(const SampleEditionOptions& options) {
  auto built = buildSampleEdition(options);
  EXPECT_TRUE(built.ok());
  std::map<std::string, std::string> files;
  if (built.ok())
    for (const SampleFile& f : built.value().files) files[f.name] = f.bytes;
  return files;
}

TEST(SampleEditionTest, TheSameOptionsGiveTheSameBytesAndAnotherSeedOthers) {
  SampleEditionOptions options;
  options.seed = 5;
  const auto first = filesOf(options);
  ASSERT_EQ(first.size(), 12u);
  EXPECT_EQ(filesOf(options), first);

  options.seed = 6;
  const auto other = filesOf(options);
  ASSERT_EQ(other.size(), first.size());
  // The banners are drawn, not made at random: the same for every seed.
  for (const auto& [name, bytes] : first) {
    if (name.ends_with(".gif"))
      EXPECT_EQ(other.at(name), bytes) << name;
    else
      EXPECT_NE(other.at(name), bytes) << name;
  }

  // Fewer guides leave the files that are still written as they were.
  options.seed = 5;
  options.guides = {Guide::Guia3};
  const auto some = filesOf(options);
  ASSERT_EQ(some.size(), 6u);
  for (const auto& [name, bytes] : some) EXPECT_EQ(bytes, first.at(name)) << name;
}

// ---- refusals and the folder ----

struct RefusalCase {
  const char* name;
  SampleEditionOptions options;
  const char* message;  // UTF-8 part of the message
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class SampleEditionRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SampleEditionRefusalTest, WritesNothingAndSaysWhy) {
  test::TempFolder folder;
  auto written = writeSampleEdition(folder.path() / "edicion", GetParam().options);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.failure().message.find(store::cp(GetParam().message)), std::string::npos)
      << store::toUtf8(written.failure().message);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "edicion"));
}

SampleEditionOptions withEdition(std::string name) {
  SampleEditionOptions o;
  o.editionName = std::move(name);
  return o;
}
SampleEditionOptions withRegion(int region) {
  SampleEditionOptions o;
  o.region = region;
  return o;
}
SampleEditionOptions withGuide(Guide guide) {
  SampleEditionOptions o;
  o.guides = {Guide::Guia1, guide};
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    Options, SampleEditionRefusalTest,
    ::testing::Values(
        RefusalCase{"UnknownEdition", withEdition("MARZO 2019"),
                    "La edición \"MARZO 2019\" no está en la tabla de ediciones de Baltu."},
        RefusalCase{"EditionNameInOtherCase", withEdition("diciembre 2018"), "no está en la tabla de ediciones"},
        RefusalCase{"RegionZero", withRegion(0), "La región debe ser un número del 1 al 4 (0)."},
        RefusalCase{"RegionFive", withRegion(5), "La región debe ser un número del 1 al 4 (5)."},
        RefusalCase{"NineThousandGuide", withGuide(Guide::Ed9000), "Solo se pueden elegir las guías 1 a 7"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(SampleEditionTest, WritesTheRegionFileAndRemovesTheCachesOfTheGuidesItReplaces) {
  test::TempFolder folder;
  folder.write("INSUMOS.DAT", "old");
  folder.write("GUIA1.APU", "1,00\r\n");
  folder.write("GUIA2I.APU", "1,00\r\n");
  folder.write("GUIA3.APU", "1,00\r\n");
  SampleEditionOptions options;
  options.region = 3;
  options.guides = {Guide::Guia2, Guide::Guia1};
  auto written = writeSampleEdition(folder.path(), options);
  ASSERT_TRUE(written.ok()) << written.failure().message;

  std::vector<std::string> names;
  for (const auto& path : written.value().files) names.push_back(path.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"INSUMOS3.DAT", "9000ED.DAT", "9000RM.DAT", "GUIA1.DAT", "GUIA2.DAT",
                                             "K9R800.gif", "K9R1024.gif"}));
  for (const auto& path : written.value().files) EXPECT_TRUE(std::filesystem::exists(path)) << path;
  EXPECT_FALSE(std::filesystem::exists(folder / "GUIA1.APU"));
  EXPECT_FALSE(std::filesystem::exists(folder / "GUIA2I.APU"));
  EXPECT_TRUE(std::filesystem::exists(folder / "GUIA3.APU"));
  EXPECT_FALSE(std::filesystem::exists(folder / "GUIA3.DAT"));

  const auto& notes = written.value().notes;
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0], store::cp("Se borró \"GUIA1.APU\", con los precios base de la guía anterior; "
                                "Baltu los calculará de nuevo."));
  EXPECT_EQ(notes[2], store::cp("En la carpeta ya hay \"INSUMOS.DAT\": Baltu usará ese archivo y no "
                                "\"INSUMOS3.DAT\"."));
}

// ---- the command line ----

int run(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::ostringstream o, e;
  const int code = runMkedition(args, o, e);
  out = o.str();
  err = e.str();
  return code;
}

TEST(MkeditionCommandTest, RefusesLinesItCannotUse) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "Falta la carpeta donde escribir la edición."},
      {{"a", "b"}, "Sobra el argumento \"b\": ya se indicó la carpeta."},
      {{"a", "--size", "full"}, "Opción desconocida: --size."},
      {{"a", "--scale", "huge"}, "La escala debe ser small o full, no \"huge\"."},
      {{"a", "--region", "0"}, "La región debe ser un número del 1 al 4, no \"0\"."},
      {{"a", "--region=2x"}, "La región debe ser un número del 1 al 4, no \"2x\"."},
      {{"a", "--seed", "-1"}, "La semilla debe ser un número entero no negativo, no \"-1\"."},
      {{"a", "--guides", "1,8"}, "Las guías se indican con números del 1 al 7 separados por comas, no \"1,8\"."},
      {{"a", "--guides", "1,,2"}, "Las guías se indican con números del 1 al 7 separados por comas, no \"1,,2\"."},
      {{"a", "--edition"}, "Falta el valor de --edition."},
  };
  for (const auto& [args, message] : cases) {
    std::string out, err;
    EXPECT_EQ(run(args, out, err), kMkeditionUsage) << message;
    EXPECT_TRUE(err.starts_with(message + "\n\nUso: baltu-mkedition")) << err;
    EXPECT_TRUE(out.empty());
  }
}

TEST(MkeditionCommandTest, ReadsEveryOption) {
  MkeditionInvocation invocation;
  std::string error;
  ASSERT_TRUE(parseMkeditionArguments({"--scale=full", "datos", "--edition", "ABRIL 2018 - II", "--region", "4",
                                       "--seed", "18446744073709551615", "--guides", "7,2,7"},
                                      invocation, error))
      << error;
  EXPECT_EQ(invocation.folder, "datos");
  EXPECT_EQ(invocation.options.scale, SampleScale::Full);
  EXPECT_EQ(invocation.options.editionName, "ABRIL 2018 - II");
  EXPECT_EQ(invocation.options.region, 4);
  EXPECT_EQ(invocation.options.seed, 18446744073709551615ull);
  EXPECT_EQ(invocation.options.guides, (std::vector<Guide>{Guide::Guia7, Guide::Guia2}));

  MkeditionInvocation defaults;
  ASSERT_TRUE(parseMkeditionArguments({"datos"}, defaults, error));
  EXPECT_EQ(defaults.options.scale, SampleScale::Small);
  EXPECT_EQ(defaults.options.editionName, "DICIEMBRE 2018");
  EXPECT_EQ(defaults.options.region, 1);
  EXPECT_EQ(defaults.options.seed, 1u);
  EXPECT_EQ(defaults.options.guides.size(), 7u);
}

TEST(MkeditionCommandTest, WritesTheEditionOrReportsWhyNot) {
  test::TempFolder folder;
  const std::string dir = (folder / "muestra").string();
  std::string out, err;
  ASSERT_EQ(run({dir, "--guides", "6", "--seed", "3"}, out, err), kMkeditionOk) << err;
  EXPECT_TRUE(err.empty());
  EXPECT_TRUE(out.starts_with("Edición de muestra \"DICIEMBRE 2018\" (región 1, escala small, semilla 3) en " + dir))
      << out;
  EXPECT_NE(out.find("GUIA6.DAT"), std::string::npos) << out;
  EXPECT_TRUE(std::filesystem::exists(folder / "muestra" / "GUIA6.DAT"));
  EXPECT_FALSE(std::filesystem::exists(folder / "muestra" / "GUIA1.DAT"));

  EXPECT_EQ(run({dir, "--edition", "ENERO 2019"}, out, err), kMkeditionFailure);
  EXPECT_EQ(err,
            "La edición \"ENERO 2019\" no está en la tabla de ediciones de Baltu. Use una edición de la tabla, "
            "por ejemplo \"DICIEMBRE 2018\".\n");
}

}  // namespace
}  // namespace baltu::mkedition
