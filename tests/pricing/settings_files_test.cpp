#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "pricing/settings_files.h"
#include "store/binary_fields.h"
#include "store/text.h"
#include "support/temp_folder.h"

namespace baltu::pricing {
namespace {

using store::cp;
using store::Guide;

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Edition julio2018() { return applyEdition("JULIO 2018").value(); }  // 150.000,00 and 80.000,00

// Block 1 of a new Baltu.cfg, written out from the documented layout.
std::string documentedBlock1() {
  std::string b(kBlock1Size, '\0');
  auto ints = [&](std::size_t offset, std::size_t count, std::int32_t value) {
    for (std::size_t i = 0; i < count; ++i) store::setInt32At(b, offset + 4 * i, value);
  };
  for (std::size_t text : {36u, 336u, 640u, 952u}) b.replace(text, 260, 260, ' ');
  ints(12, 2, 1);
  ints(296, 9, 1);
  ints(596, 10, 1);
  ints(900, 1, 3);
  ints(904, 11, 1);
  ints(1216, 7, 1);
  ints(1252, 2, 1);
  return b;
}

TEST(SettingsFilesTest, DefaultFilesHaveTheDocumentedBytes) {
  test::TempFolder folder;
  EXPECT_TRUE(settingsFilesMissing(folder.path()));
  const DefaultSettingsResult created = createDefaultSettings(folder.path());
  EXPECT_TRUE(created.adminFileWritten);
  EXPECT_TRUE(created.programFileWritten);
  EXPECT_FALSE(settingsFilesMissing(folder.path()));

  std::string admin(kAdminFileSize, '\0');
  store::setInt32At(admin, 112, 1);  // FCAS source: each partida
  EXPECT_EQ(readBytes(folder / "VAdmin.cfg"), admin);

  const std::string program = readBytes(folder / "Baltu.cfg");
  ASSERT_EQ(program.size(), 1268u + 2 + 284 + 2);
  EXPECT_EQ(program.substr(0, 1268), documentedBlock1());
  EXPECT_EQ(program.substr(1268, 2), "\r\n");
  std::string block2(kBlock2Size, '\0');
  store::setInt32At(block2, 0, 1);
  EXPECT_EQ(program.substr(1270, 284), block2);
  EXPECT_EQ(program.substr(1554), "\r\n");
}

TEST(SettingsFilesTest, SavedValuesReadBackWithTheEditionsAllowances) {
  test::TempFolder folder;
  AdminValues values;
  values[AdminConcept::Administracion] = {1.25, 10.5, ValueMode::User};
  values[AdminConcept::Utilidad] = {2, 15, ValueMode::Predetermined};
  values[AdminConcept::Iva] = {3, 12, ValueMode::User};
  values[AdminConcept::Fcas] = {4, 387.38, ValueMode::User};
  values[AdminConcept::Cestaticket] = {999, 180, ValueMode::User};  // stale predetermined
  values[AdminConcept::Bono] = {999, 0.8, ValueMode::Predetermined};
  values.fcasSource = FcasSource::Table;
  ProgramSettings settings;
  settings.setWinchExcluded(true);
  settings.setFirstRun(false);
  settings.setGuideZeroSelected(Guide::Guia6, false);
  settings.setTextField(block1::kWhereUsedFolder, cp("/home/ana/Presupuestos Año"));
  settings.setIntField(block1::kListingOutput, 2);
  store::setInt32At(settings.block2, 260, 1);

  ASSERT_TRUE(saveSettings(folder.path(), julio2018(), values, settings).ok);
  // The predetermined allowances are rewritten from the edition.
  const std::string admin = readBytes(folder / "VAdmin.cfg");
  ASSERT_EQ(admin.size(), kAdminFileSize);
  EXPECT_EQ(store::doubleAt(admin, 32), 150000.0);
  EXPECT_EQ(store::doubleAt(admin, 40), 80000.0);

  AdminValues read;
  ProgramSettings readBack;
  const SettingsReadResult found = readSettings(folder.path(), julio2018(), read, readBack);
  EXPECT_TRUE(found.adminFileFound && found.programFileFound);
  values[AdminConcept::Cestaticket].predetermined = 150000;
  values[AdminConcept::Bono].predetermined = 80000;
  for (std::size_t i = 0; i < kAdminConceptCount; ++i) {
    EXPECT_EQ(read.values[i].predetermined, values.values[i].predetermined) << i;
    EXPECT_EQ(read.values[i].user, values.values[i].user) << i;
    EXPECT_EQ(read.values[i].mode, values.values[i].mode) << i;
  }
  EXPECT_EQ(read.fcasSource, FcasSource::Table);
  EXPECT_EQ(readBack.block1, settings.block1);
  EXPECT_EQ(readBack.block2, settings.block2);
  EXPECT_TRUE(readBack.winchExcluded());
  EXPECT_FALSE(readBack.firstRun());
  EXPECT_FALSE(readBack.guideZeroSelected(Guide::Guia6));
  EXPECT_TRUE(readBack.guideZeroSelected(Guide::Guia7));
  EXPECT_FALSE(readBack.guideZeroSelected(Guide::Ed9000));
  EXPECT_EQ(readBack.textField(block1::kWhereUsedFolder), cp("/home/ana/Presupuestos Año"));
  EXPECT_EQ(readBack.textField(block1::kSharedFolder), "");
}

TEST(SettingsFilesTest, ModesForcedDuringBasePricesAreNotSaved) {
  test::TempFolder folder;
  AdminValues values;
  values[AdminConcept::Iva].mode = ValueMode::User;
  values.fcasSource = FcasSource::Table;
  values.forcePredetermined();
  ASSERT_TRUE(saveSettings(folder.path(), julio2018(), values, ProgramSettings{}).ok);
  AdminValues read;
  ProgramSettings settings;
  readSettings(folder.path(), julio2018(), read, settings);
  EXPECT_EQ(read[AdminConcept::Iva].mode, ValueMode::User);
  EXPECT_EQ(read.fcasSource, FcasSource::Table);
}

TEST(SettingsFilesTest, MissingFilesReadAsDefaults) {
  test::TempFolder folder;
  AdminValues values;
  values[AdminConcept::Iva] = {1, 2, ValueMode::User};
  ProgramSettings settings;
  settings.setWinchExcluded(true);
  const SettingsReadResult found = readSettings(folder.path(), julio2018(), values, settings);
  EXPECT_FALSE(found.adminFileFound || found.programFileFound);
  EXPECT_EQ(values[AdminConcept::Iva].mode, ValueMode::Predetermined);
  EXPECT_EQ(values.working().cestaticket, 15000000);
  EXPECT_EQ(settings.block1, ProgramSettings{}.block1);
}

// VAdmin.cfg with user values 10..60 in every row and every mode U, FCAS source table.
std::string fullAdminFile() {
  std::string bytes(kAdminFileSize, '\0');
  for (std::size_t i = 0; i < 6; ++i) {
    store::setDoubleAt(bytes, 8 * i, 1.0 + static_cast<double>(i));
    store::setDoubleAt(bytes, 48 + 8 * i, 10.0 * static_cast<double>(i + 1));
  }
  for (std::size_t offset = 96; offset < 124; offset += 4) store::setInt32At(bytes, offset, 1);
  store::setInt32At(bytes, 112, 0);
  return bytes;
}

TEST(SettingsFilesTest, ShortOrDamagedAdminFileKeepsDefaultsForWhatItLacks) {
  // Cut inside the user utilidad (56..63): the fields before it are read.
  AdminValues v = parseAdminFile(fullAdminFile().substr(0, 60));
  EXPECT_EQ(v[AdminConcept::Iva].predetermined, 3.0);
  EXPECT_EQ(v[AdminConcept::Administracion].user, 10.0);
  EXPECT_EQ(v[AdminConcept::Utilidad].user, 0.0);
  EXPECT_EQ(v[AdminConcept::Administracion].mode, ValueMode::Predetermined);
  EXPECT_EQ(v.fcasSource, FcasSource::EachPartida);

  // Cut inside the FCAS source: modes before it read, the rest default.
  v = parseAdminFile(fullAdminFile().substr(0, 114));
  EXPECT_EQ(v[AdminConcept::Fcas].mode, ValueMode::User);
  EXPECT_EQ(v.fcasSource, FcasSource::EachPartida);
  EXPECT_EQ(v[AdminConcept::Cestaticket].mode, ValueMode::Predetermined);

  // Numbers that are not numbers read as 0; a longer file is read up to 124 bytes.
  std::string damaged = fullAdminFile() + "tail";
  store::setDoubleAt(damaged, 48, std::numeric_limits<double>::quiet_NaN());
  store::setDoubleAt(damaged, 56, std::numeric_limits<double>::infinity());
  v = parseAdminFile(damaged);
  EXPECT_EQ(v[AdminConcept::Administracion].user, 0.0);
  EXPECT_EQ(v[AdminConcept::Utilidad].user, 0.0);
  EXPECT_EQ(v[AdminConcept::Bono].user, 60.0);
  EXPECT_EQ(v.fcasSource, FcasSource::Table);
}

struct ProgramFileCase {
  const char* name;
  std::function<std::string()> bytes;
  std::function<void(const ProgramSettings&)> check;
};

// A saved block 1 with every int32 field holding 7 (texts untouched).
std::string sevens() {
  std::string b = ProgramSettings{}.block1;
  for (std::size_t offset = 0; offset < kBlock1Size; offset += 4)
    if (b[offset] != ' ') store::setInt32At(b, offset, 7);
  return b;
}

std::string block2With(std::size_t offset, std::int32_t value) {
  std::string b = ProgramSettings{}.block2;
  store::setInt32At(b, offset, value);
  return b;
}

std::string randomBytes() {
  std::mt19937 random(7);
  std::string bytes(5000, '\0');
  for (char& ch : bytes) {
    ch = static_cast<char>(random() % 256);
    if (ch == '\r') ch = 'x';
  }
  bytes[700] = '\r';
  bytes[701] = '\n';
  return bytes;
}

void PrintTo(const ProgramFileCase& c, std::ostream* os) { *os << c.name; }

class ProgramFileTest : public ::testing::TestWithParam<ProgramFileCase> {};

TEST_P(ProgramFileTest, ReadsWhatTheFileHolds) {
  const ProgramFileCase& c = GetParam();
  const ProgramSettings settings = parseProgramFile(c.bytes());
  ASSERT_EQ(settings.block1.size(), kBlock1Size);
  ASSERT_EQ(settings.block2.size(), kBlock2Size);
  c.check(settings);
}

const ProgramSettings kDefaults;

INSTANTIATE_TEST_SUITE_P(
    Faults, ProgramFileTest,
    ::testing::Values(
        ProgramFileCase{"Empty", [] { return std::string(); },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(s.block1, kDefaults.block1);
                          EXPECT_EQ(s.block2, kDefaults.block2);
                        }},
        ProgramFileCase{"OnlyBlock1WithoutLineEnd", [] { return sevens(); },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(s.block1, sevens());
                          EXPECT_EQ(s.block2, kDefaults.block2);
                        }},
        ProgramFileCase{"Block1CutInsideAField",
                        [] { return sevens().substr(0, 30) + "\r\n" + block2With(12, 1) + "\r\n"; },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(s.intField(24), 7);
                          EXPECT_EQ(s.intField(block1::kWinchExcluded), 0);  // half there: default
                          EXPECT_EQ(s.block1.substr(32), kDefaults.block1.substr(32));
                          EXPECT_EQ(s.block2, block2With(12, 1));
                        }},
        ProgramFileCase{"Block1CutInsideAText",
                        [] { return sevens().substr(0, 100) + "\r\n"; },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(s.intField(32), 7);
                          EXPECT_EQ(s.block1.substr(36), kDefaults.block1.substr(36));
                        }},
        ProgramFileCase{"LineEndInsideBlock1",
                        [] {
                          ProgramSettings saved;
                          saved.setIntField(block1::kWinchExcluded, 0x0A0D);
                          saved.setFirstRun(false);
                          return programFileBytes(saved);
                        },
                        [](const ProgramSettings& s) {
                          EXPECT_FALSE(s.winchExcluded());
                          EXPECT_TRUE(s.firstRun());  // cut at offset 28: defaults from there
                          EXPECT_EQ(s.intField(block1::kPartidaListPreference), 1);
                        }},
        ProgramFileCase{"OverlongLines",
                        [] { return sevens() + "junk\r\n" + block2With(280, 1) + "more junk\r\nthird line"; },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(s.block1, sevens());
                          EXPECT_EQ(s.block2, block2With(280, 1));
                        }},
        ProgramFileCase{"ShortBlock2",
                        [] { return sevens() + "\r\n" + block2With(16, 1).substr(0, 18); },
                        [](const ProgramSettings& s) {
                          EXPECT_EQ(store::int32At(s.block2, 12), 0);
                          EXPECT_EQ(store::int32At(s.block2, 16), 0);  // cut inside: default
                          EXPECT_EQ(store::int32At(s.block2, 0), 1);
                        }},
        ProgramFileCase{"RandomBytes", randomBytes,
                        [](const ProgramSettings& s) {
                          // Line 1 ends at 700, inside the where-used folder text.
                          EXPECT_EQ(s.block1.substr(0, 640), randomBytes().substr(0, 640));
                          EXPECT_EQ(s.block1.substr(640), kDefaults.block1.substr(640));
                        }}),
    [](const ::testing::TestParamInfo<ProgramFileCase>& info) { return std::string(info.param.name); });

TEST(SettingsFilesTest, CodeRulesComeFromTheFlags) {
  ProgramSettings settings;
  EXPECT_FALSE(codeRules(settings).winchExcluded);
  settings.setWinchExcluded(true);
  store::setInt32At(settings.block2, 12, 1);   // 4690 -> 4694
  store::setInt32At(settings.block2, 16, 2);   // 9 -> 4695: only 1 enables
  store::setInt32At(settings.block2, 272, 1);  // 1 -> 5904 (the earlier 1 -> 2122 stays off)
  store::setInt32At(settings.block2, 20, 1);   // no pair has this offset
  const CodeRules rules = codeRules(settings);
  EXPECT_TRUE(rules.winchExcluded);
  EXPECT_TRUE(isWinchExcluded(rules, InsumoKind::Equipment, "     373"));
  EXPECT_EQ(substituteMaterial(rules, "    4690"), "4694");
  EXPECT_EQ(substituteMaterial(rules, "9"), "9");
  EXPECT_EQ(substituteMaterial(rules, "       1"), "5904");
  std::size_t enabled = 0;
  for (bool flag : rules.substitutionEnabled) enabled += flag ? 1 : 0;
  EXPECT_EQ(enabled, 2u);
}

// Files this process writes may grow to `bytes` only, while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST(SettingsFilesTest, FailedSaveReportsAndLeavesTheOldFiles) {
  test::TempFolder folder;
  ASSERT_TRUE(createDefaultSettings(folder.path()).adminFileWritten);
  const std::string oldAdmin = readBytes(folder / "VAdmin.cfg");
  const std::string oldProgram = readBytes(folder / "Baltu.cfg");
  AdminValues values;
  values[AdminConcept::Iva] = {0, 12, ValueMode::User};
  ProgramSettings settings;
  settings.setWinchExcluded(true);

  SettingsSaveResult saved;
  {
    const FileSizeLimit limit(100);  // both files fail part-way through
    saved = saveSettings(folder.path(), julio2018(), values, settings);
  }
  EXPECT_FALSE(saved.ok);
  EXPECT_NE(saved.message.find(cp("No se pudo guardar el archivo de configuración ")), std::string::npos);
  EXPECT_NE(saved.message.find("VAdmin.cfg"), std::string::npos);
  EXPECT_NE(saved.message.find("Baltu.cfg"), std::string::npos);
  EXPECT_EQ(readBytes(folder / "VAdmin.cfg"), oldAdmin);
  EXPECT_EQ(readBytes(folder / "Baltu.cfg"), oldProgram);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);  // no temporary left
}

TEST(SettingsFilesTest, CreationFailsInAFolderThatCannotExist) {
  test::TempFolder folder;
  folder.write("plain", "not a folder");
  const DefaultSettingsResult created = createDefaultSettings(folder / "plain");
  EXPECT_FALSE(created.adminFileWritten);
  EXPECT_FALSE(created.programFileWritten);
  EXPECT_FALSE(saveSettings(folder / "plain", julio2018(), AdminValues{}, ProgramSettings{}).ok);

  EXPECT_EQ(adminFileCreationFailureText(),
            cp("ERROR DE CREACION DE ARCHIVO\r\n\r\nNo se pudo crear el archivo de configuración VAdmin.cfg\r\n\r\n"
               "Esto significa que Baltu funcionará correctamente pero no\r\n"
               "podrá   guardar  la   preferencias   del  usuario  y  cualquier\r\n"
               "modificación de los Valores Administrativos."));
  EXPECT_EQ(programFileCreationFailureText(),
            cp("ERROR DE CREACION DE ARCHIVO\r\n\r\nNo se pudo crear el archivo de configuración Baltu.cfg\r\n\r\n"
               "Esto significa que Baltu funcionará correctamente pero no\r\n"
               "podrá guardar la preferencias del usuario."));
}

}  // namespace
}  // namespace baltu::pricing
