#include "store/guide_file.h"

#include "store/data_file.h"
#include "store/number_text.h"
#include "store/raw_fields.h"
#include "store/record_cipher.h"
#include "store/text.h"

namespace baltu::store {
namespace {


Record partidaRow(const RawFields& f) {
  return RecordBuilder(11, rowBytes(f))
      .add(raw(f, 1))
      .add(raw(f, 2))
      .add(raw(f, 3))
      .add(partidaUnit(raw(f, 4)))
      .addNumber(raw(f, 5), Mask::Rendimiento, 15)
      .addNumber(raw(f, 6), Mask::Money, 20)
      .add("0,00")
      .add("")
      .add("")
      .add(raw(f, 7))
      .add("0")
      .finish();
}

Record materialComponentRow(const RawFields& f) {
  return RecordBuilder(4, rowBytes(f))
      .add(raw(f, 1))
      .add(rightAlign(trim(raw(f, 2)), 8))
      .addNumber(raw(f, 3), Mask::Quantity, 14)
      .add(raw(f, 4))
      .finish();
}

Record equipmentComponentRow(const RawFields& f) {
  return RecordBuilder(4, rowBytes(f))
      .add(raw(f, 1))
      .add(rightAlign(trim(raw(f, 2)), 8))
      .addNumber(raw(f, 3), Mask::Money, 7)
      .addNumber(raw(f, 4), Mask::Depreciation, 7)
      .finish();
}

Record labourComponentRow(const RawFields& f) {
  return RecordBuilder(3, rowBytes(f))
      .add(raw(f, 1))
      .add(rightAlign(trim(raw(f, 2)), 8))
      .addNumber(raw(f, 3), Mask::Money, 7)
      .finish();
}

// The name used in the component progress texts.
std::string componentSubject(Guide guide) {
  if (guide == Guide::Ed9000) return "partidas EDF-9000";
  if (guide == Guide::Rm9000) return "partidas REM-9000";
  return cp("partidas de la Guía ") + std::to_string(guideId(guide).number);
}

// Walks one section, deciphering and building each row.
template <class Visit>
void walkSection(std::string_view section, std::size_t count, Visit&& visit) {
  const RecordCipher& cipher = dataFileCipher();
  std::string deciphered;
  RawFields fields;
  for (std::string_view record : sectionRecords(section, count)) {
    deciphered.assign(record);
    cipher.apply(deciphered.data(), deciphered.size());
    splitFields(deciphered, fields);
    if (!visit(fields)) return;
  }
}

}  // namespace

std::string partidaUnit(std::string_view rawUnit) {
  std::string_view unit = trim(rawUnit);
  if (unit == "UNIDA" || unit == "UND") return "Unid.";
  return std::string(unit);
}

Expected<GuideTables> loadGuideFile(const std::filesystem::path& path, Guide guide, const LoadOptions& options,
                                    const FcasResolver& resolveFcas, UserInterface& ui) {
  const std::string fileName = path.filename().string();
  FileBytes file = readWholeFile(path);
  if (file.errorNumber != 0)
    return Failure{cp("No se pudo leer el archivo de datos \"") + fileName + "\" (error " +
                   std::to_string(file.errorNumber) + ")."};
  return loadGuideBytes(file.bytes, fileName, guide, options, resolveFcas, ui);
}

Expected<GuideTables> loadGuideBytes(std::string_view bytes, const std::string& fileName, Guide guide,
                                     const LoadOptions& options, const FcasResolver& resolveFcas, UserInterface& ui) {
  const GuideLayout layout = guideLayout(bytes);
  if (layout.fault != LayoutFault::None) return Failure{layoutFaultMessage(fileName, layout.fault)};
  auto sectionText = [&](std::size_t k) {
    return bytes.substr(layout.sections[k].begin, layout.sections[k].end - layout.sections[k].begin);
  };

  GuideTables tables;
  const std::string_view partidaSection = sectionText(0);
  const std::size_t delimiters = countDelimiters(partidaSection);
  const std::size_t partidaCount = delimiters > 0 ? delimiters - 1 : 0;
  tables.partidas.reserve(partidaCount);
  bool stopped = false;
  walkSection(partidaSection, partidaCount, [&](const RawFields& f) {
    Record row = partidaRow(f);
    std::optional<PartidaFcas> fcas = resolveFcas(PartidaBeingRead{row, trim(raw(f, 8)), raw(f, 9)});
    if (!fcas) {
      stopped = true;
      return false;
    }
    row.setField(field::kFcas1, fcas->fcas1);
    row.setField(field::kFcas2, fcas->fcas2);
    tables.partidas.push_back(std::move(row));
    return true;
  });
  if (stopped) return Failure{{}, true};
  sortTable(tables.partidas, options.sortByCode ? field::kCode : field::kDescription);

  struct ComponentPlan {
    const char* what;
    Table GuideTables::*table;
    Record (*build)(const RawFields&);
  };
  static const ComponentPlan plans[] = {
      {"Materiales usados", &GuideTables::materials, &materialComponentRow},
      {"Equipos usados", &GuideTables::equipment, &equipmentComponentRow},
      {"Mano de Obra usada", &GuideTables::labour, &labourComponentRow},
  };
  const std::string subject = componentSubject(guide);
  for (std::size_t k = 0; k < 3; ++k) {
    ui.showProgress(std::string(" Leyendo ") + plans[k].what + " en " + subject + " ...");
    const std::string_view text = sectionText(k + 1);
    Table& table = tables.*plans[k].table;
    const std::size_t count = countDelimiters(text);
    table.reserve(count);
    walkSection(text, count, [&](const RawFields& f) {
      table.push_back(plans[k].build(f));
      return true;
    });
    sortTable(table, field::kComponentPartida);
  }
  return tables;
}

}  // namespace baltu::store
