// Small hand-built tables for the pricing tests: records in their table forms
// (codes right-aligned to 8, numbers in display form), built directly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pricing/pricing_context.h"
#include "store/record.h"
#include "store/tables.h"
#include "store/text.h"
#include "support/scripted_ui.h"

namespace baltu::test {

inline std::string code8(std::string_view code) { return store::rightAlign(code, 8); }

inline store::Record material(std::string_view code, std::string_view description, std::string_view unit,
                              std::string_view cost) {
  return store::Record::fromFields({code8(code), std::string(description), std::string(unit),
                                    store::rightAlign(cost, 20), store::rightAlign("01/09/2011", 11), "Proveedor",
                                    "S "});
}

inline store::Record equipment(std::string_view code, std::string_view description, std::string_view cost) {
  return store::Record::fromFields({code8(code), std::string(description), "dia", store::rightAlign("0,00100", 8),
                                    store::rightAlign(cost, 20), store::rightAlign("01/09/2011", 11), "Proveedor",
                                    "S "});
}

inline store::Record labour(std::string_view code, std::string_view description, std::string_view wage) {
  return store::Record::fromFields({code8(code), std::string(description), "dia", store::rightAlign(wage, 20),
                                    store::rightAlign("01/09/2011", 11), "S "});
}

inline store::Record partida(std::string_view code, std::string_view description, std::string_view rendimiento,
                             std::string_view fcas1 = "200,00", std::string_view fcas2 = "150,00") {
  return store::Record::fromFields({std::string(code), std::string(description), "E311110000", "m3",
                                    store::rightAlign(rendimiento, 15), store::rightAlign("0,00", 20), "0,00",
                                    store::rightAlign(fcas1, 8), store::rightAlign(fcas2, 8), "U", "0"});
}

inline store::Record materialUse(std::string_view partidaCode, std::string_view code, std::string_view quantity) {
  return store::Record::fromFields(
      {std::string(partidaCode), code8(code), store::rightAlign(quantity, 14), "5"});
}

inline store::Record equipmentUse(std::string_view partidaCode, std::string_view code, std::string_view quantity,
                                  std::string_view coefficient) {
  return store::Record::fromFields({std::string(partidaCode), code8(code), store::rightAlign(quantity, 7),
                                    store::rightAlign(coefficient, 7)});
}

inline store::Record labourUse(std::string_view partidaCode, std::string_view code, std::string_view workers) {
  return store::Record::fromFields({std::string(partidaCode), code8(code), store::rightAlign(workers, 7)});
}

// The insumos every pricing test draws from.
inline store::InsumoTables catalogue() {
  store::InsumoTables t;
  t.editionName = "SEPTIEMBRE 2011";
  t.materials = {
      material("101", "Cemento gris portland", "saco", "12,50"),
      material("102", "Arena lavada", "m3", "30,00"),
      material("103", "Tubo ( 5%) galvanizado", "m", "4,00"),
      material("104", "Clavos", "kg", "1,00"),
      material("95", "Transporte de materiales ( 5%)", "%", "0,00"),
      material("96", "Manejo de materiales ( 1%)", "%", "0,00"),
      material("1000", "Flete de materiales (10%)", "%", "0,00"),
      material("97", "Acarreo interno", "%", "3,00"),
      material("9", "Bloque de arcilla", "pza", "2,00"),
      material("4695", "Bloque de concreto", "pza", "3,00"),
  };
  t.equipment = {
      equipment("5", "Winche cabrestante", "100,00"),
      equipment("40", "Mezcladora de concreto", "80,00"),
  };
  t.labour = {
      labour("1", store::cp("Albañil"), "60,00"),
      labour("2", "Ayudante", "45,00"),
      labour("30", "Winchero", "50,00"),
  };
  return t;
}

// Owns the tables, values and user interface of one test and builds the
// contexts over them (indexes rebuilt on every call, after the tables are filled).
struct PricingFixture {
  store::InsumoTables insumos = catalogue();
  store::GuideTables guide;
  store::Guide guideId = store::Guide::Guia1;
  pricing::WorkingValues user;
  pricing::WorkingValues predetermined;
  pricing::CodeRules rules;
  ScriptedUi ui;
  pricing::InsumoIndex insumoIndex;
  pricing::GuideIndex guideIndex;

  pricing::PricingContext context() {
    insumoIndex = pricing::InsumoIndex(insumos);
    return pricing::PricingContext{insumos, insumoIndex, user, predetermined, rules, ui};
  }
  pricing::GuideContext guideContext() {
    guideIndex = pricing::GuideIndex(guide);
    return pricing::GuideContext{guideId, guide, guideIndex};
  }
};

}  // namespace baltu::test
