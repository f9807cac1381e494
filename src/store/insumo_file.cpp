#include "store/insumo_file.h"

#include <array>
#include <cmath>
#include <unordered_set>

#include "store/data_file.h"
#include "store/number_text.h"
#include "store/raw_fields.h"
#include "store/record_cipher.h"
#include "store/money.h"
#include "store/text.h"

namespace baltu::store {
namespace {


std::string code8(std::string_view text) { return rightAlign(trim(text), 8); }
std::string unitOf(std::string_view text) { return toLowerCp(trim(text)); }
std::string date11(std::string_view text) { return rightAlign(trim(text), 11); }

Record materialRow(const RawFields& f) {
  return RecordBuilder(7, rowBytes(f))
      .add(code8(raw(f, 6)))
      .add(raw(f, 1))
      .add(unitOf(raw(f, 2)))
      .addNumber(raw(f, 3), Mask::Money, 20)
      .add(date11(raw(f, 5)))
      .add(raw(f, 4))
      .add(raw(f, 7))
      .finish();
}

Record equipmentRow(const RawFields& f) {
  return RecordBuilder(8, rowBytes(f))
      .add(code8(raw(f, 7)))
      .add(raw(f, 1))
      .add(unitOf(raw(f, 2)))
      .addNumber(raw(f, 3), Mask::Depreciation, 8)
      .addNumber(raw(f, 4), Mask::Money, 20)
      .add(date11(raw(f, 6)))
      .add(raw(f, 5))
      .add(raw(f, 8))
      .finish();
}

Record labourRow(const RawFields& f) {
  return RecordBuilder(6, rowBytes(f))
      .add(code8(raw(f, 5)))
      .add(raw(f, 1))
      .add(unitOf(raw(f, 2)))
      .addNumber(raw(f, 3), Mask::Money, 20)
      .add(date11(raw(f, 4)))
      .add(raw(f, 6))
      .finish();
}

// How one field of a compound record is stored (table field Fk = raw field k).
struct FieldForm {
  enum Kind { AsRead, Code, Padded55, Number } kind = AsRead;
  Mask mask = Mask::Money;
  std::size_t width = 0;
};

struct CompoundShape {
  std::size_t fieldCount;
  std::vector<FieldForm> forms;  // index = field number
};

CompoundShape compoundShape(std::size_t fieldCount, bool paddedDescription, std::size_t firstGroup,
                            std::size_t groupSize, const std::vector<std::pair<std::size_t, FieldForm>>& groupForms,
                            const std::vector<std::pair<std::size_t, FieldForm>>& fixedForms) {
  CompoundShape shape{fieldCount, std::vector<FieldForm>(fieldCount + 1)};
  shape.forms[1] = {FieldForm::Code};
  if (paddedDescription) shape.forms[2] = {FieldForm::Padded55};
  for (std::size_t g = 0; g < 15; ++g)
    for (const auto& [offset, form] : groupForms) shape.forms[firstGroup + g * groupSize + offset] = form;
  for (const auto& [n, form] : fixedForms) shape.forms[n] = form;
  return shape;
}

const CompoundShape& compoundMaterialShape() {
  static const CompoundShape shape = compoundShape(
      79, false, 4, 5,
      {{0, {FieldForm::Code}}, {3, {FieldForm::Number, Mask::Quantity, 16}}, {4, {FieldForm::Number, Mask::Money, 20}}},
      {});
  return shape;
}

const CompoundShape& compoundEquipmentShape() {
  static const CompoundShape shape = compoundShape(95, true, 5, 6,
                                                   {{0, {FieldForm::Code}},
                                                    {1, {FieldForm::Padded55}},
                                                    {3, {FieldForm::Number, Mask::Money, 9}},
                                                    {4, {FieldForm::Number, Mask::Money, 20}},
                                                    {5, {FieldForm::Number, Mask::Depreciation, 8}}},
                                                   {{4, {FieldForm::Number, Mask::Depreciation, 8}},
                                                    {95, {FieldForm::Number, Mask::Money, 20}}});
  return shape;
}

const CompoundShape& compoundLabourShape() {
  static const CompoundShape shape = compoundShape(80, true, 4, 5,
                                                   {{0, {FieldForm::Code}},
                                                    {1, {FieldForm::Padded55}},
                                                    {2, {FieldForm::Number, Mask::Money, 12}},
                                                    {3, {FieldForm::Number, Mask::Money, 20}},
                                                    {4, {FieldForm::Number, Mask::Money, 20}}},
                                                   {{79, {FieldForm::Number, Mask::Money, 20}},
                                                    {80, {FieldForm::Number, Mask::Money, 20}}});
  return shape;
}

Record compoundRow(const RawFields& f, const CompoundShape& shape) {
  RecordBuilder builder(shape.fieldCount, rowBytes(f));
  for (std::size_t k = 1; k <= shape.fieldCount; ++k) {
    const FieldForm& form = shape.forms[k];
    std::string_view text = raw(f, k);
    switch (form.kind) {
      case FieldForm::AsRead: builder.add(text); break;
      case FieldForm::Code: builder.add(code8(text)); break;
      case FieldForm::Padded55: builder.add(padRight(text, 55)); break;
      case FieldForm::Number: builder.addNumber(text, form.mask, form.width); break;
    }
  }
  return builder.finish();
}

// F79 of every compound material: the sum of round2(quantity x cost) over the
// component groups whose code stands in the simple-material table.
void computeCompoundMaterialTotals(Table& compounds, const Table& materials) {
  std::unordered_set<std::string_view> codes;
  for (const Record& m : materials) codes.insert(m.field(field::kCode).substr(0, 8));
  for (Record& compound : compounds) {
    Cents total = 0;
    for (std::size_t g = 0; g < 15; ++g) {
      const std::size_t at = 4 + g * 5;
      std::string_view code = compound.field(at).substr(0, 8);
      if (!codes.contains(code)) continue;
      total += round2Cents(parseDisplayNumber(compound.field(at + 3)) * parseDisplayNumber(compound.field(at + 4)));
    }
    compound.setField(79, moneyDisplay(total, 20));
  }
}

using RowBuilder = Record (*)(const RawFields&);

struct SectionPlan {
  const char* progress;
  Table InsumoTables::*table;
  RowBuilder build;
  const CompoundShape& (*shape)();
};

Record buildWith(const SectionPlan& plan, const RawFields& fields) {
  return plan.build ? plan.build(fields) : compoundRow(fields, plan.shape());
}

}  // namespace

std::string insumoReadErrorMessage(int errorNumber) {
  const char* lines[] = {
      "Ocurrió un error del sistema (permisos de usuario) que impide que Baltu pueda leer el archivo \"INSUMOS.DAT\".",
      "Este archivo se encuentra en el directorio en el cual instaló el programa Baltu, que por defecto es:",
      "C:\\Archivos de Programa (x86)\\ORV\\Baltu 3.11 - Edición Mes Año.",
      "Para corregir este error debe habilitar todos los permisos para TODOS los usuarios de este archivo.",
      "Para los detalles de como hacerlo, por favor refiérase al punto:",
      "2.6 APENAS SE EJECUTA BALTU APARECE:  \"ERR:70  Bucle de lectura de Insumos A\", que puede encontrar",
  };
  std::string text = "ERR:" + std::to_string(errorNumber) + " Bucle de  lectura  de Insumos A";
  for (const char* line : lines) text += "\r\n\r\n" + cp(line);
  return text;
}

Expected<std::string> readEditionName(const std::filesystem::path& path) {
  FileBytes file = readWholeFile(path);
  if (file.errorNumber != 0) return Failure{insumoReadErrorMessage(file.errorNumber)};
  if (file.bytes.size() < kEditionNameOffset + kEditionNameLength)
    return Failure{layoutFaultMessage(path.filename().string(), LayoutFault::Short)};
  std::string name = decipherRecord(std::string_view(file.bytes).substr(kEditionNameOffset, kEditionNameLength));
  return std::string(trim(name));
}

Expected<InsumoTables> loadInsumoFile(const std::filesystem::path& path, const LoadOptions& options,
                                      UserInterface& ui) {
  FileBytes file = readWholeFile(path);
  if (file.errorNumber != 0) return Failure{insumoReadErrorMessage(file.errorNumber)};
  return loadInsumoBytes(file.bytes, path.filename().string(), options, ui);
}

Expected<InsumoTables> loadInsumoBytes(std::string_view bytes, const std::string& fileName, const LoadOptions& options,
                                       UserInterface& ui) {
  const InsumoLayout layout = insumoLayout(bytes);
  if (layout.fault != LayoutFault::None) return Failure{layoutFaultMessage(fileName, layout.fault)};

  static const std::array<SectionPlan, 6> plans = {{
      {" Leyendo los Insumos (Materiales)...", &InsumoTables::materials, &materialRow, nullptr},
      {" Leyendo los Insumos (Equipos)...", &InsumoTables::equipment, &equipmentRow, nullptr},
      {" Leyendo los Insumos (Mano de Obra)...", &InsumoTables::labour, &labourRow, nullptr},
      {" Leyendo los Insumos (Materiales Compuestos)...", &InsumoTables::compoundMaterials, nullptr,
       &compoundMaterialShape},
      {" Leyendo los Insumos (Equipos Compuestos)...", &InsumoTables::compoundEquipment, nullptr,
       &compoundEquipmentShape},
      {" Leyendo los Insumos (Mano de Obra Compuesta)...", &InsumoTables::compoundLabour, nullptr,
       &compoundLabourShape},
  }};

  InsumoTables tables;
  tables.editionName = trim(decipherRecord(bytes.substr(kEditionNameOffset, kEditionNameLength)));
  const RecordCipher& cipher = dataFileCipher();
  std::string deciphered;
  RawFields fields;
  for (std::size_t k = 0; k < plans.size(); ++k) {
    const SectionPlan& plan = plans[k];
    ui.showProgress(plan.progress);
    const Section& section = layout.sections[k];
    const std::string_view text = bytes.substr(section.begin, section.end - section.begin);
    Table& table = tables.*plan.table;
    const auto records = sectionRecords(text, countDelimiters(text));
    table.reserve(records.size());
    for (std::string_view record : records) {
      deciphered.assign(record);
      cipher.apply(deciphered.data(), deciphered.size());
      splitFields(deciphered, fields);
      table.push_back(buildWith(plan, fields));
    }
    sortTable(table, options.sortByCode ? field::kCode : field::kDescription);
  }
  computeCompoundMaterialTotals(tables.compoundMaterials, tables.materials);
  return tables;
}

}  // namespace baltu::store
