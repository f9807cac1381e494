#include "pricing/edition_table.h"

#include <span>

#include "store/number_text.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;
using store::Guide;

constexpr std::array<std::string_view, kSectorCount> kSectorCodes = {
    "ESTU", "ANTE", "PROA", "PROB", "PROC", "LEVA", "LEVB", "REPL",
    "EDIF", "ELEM", "REPA", "URBA", "VIAL", "TRAN", "ELEC", "AMBI"};

enum Slot : std::size_t { ESTU, ANTE, PROA, PROB, PROC, LEVA, LEVB, REPL, EDIF, ELEM, REPA, URBA, VIAL, TRAN, ELEC, AMBI };

// Figures of a previous edition that a data file may still carry, with the
// current edition's figure they stand for.
struct FigureCorrection {
  std::vector<Guide> guides;  // empty: every guide
  std::vector<std::string_view> editions;
  std::string_view from;
  std::string_view to;
};

const std::vector<FigureCorrection>& figureCorrections() {
  static const std::vector<Guide> ed = {Guide::Guia1, Guide::Ed9000};
  static const std::vector<FigureCorrection> corrections = {
      {ed, {"OCTUBRE 2011", "NOVIEMBRE 2011", "DICIEMBRE 2011", "ENERO 2012", "FEBRERO 2012"}, "387.38", "383.66"},
      {ed, {"MAYO 2012", "JUNIO 2012"}, "398.47", "373.58"},
      {ed, {"ABRIL 2015"}, "518.69", "501.20"},
      {{Guide::Guia2, Guide::Rm9000}, {"ABRIL 2015"}, "578.41", "562.37"},
      {{Guide::Guia3}, {"ABRIL 2015"}, "598.24", "575.25"},
      {{Guide::Guia4}, {"ABRIL 2015"}, "483.86", "463.57"},
      {{Guide::Guia5}, {"ABRIL 2015"}, "603.07", "574.15"},
      {{Guide::Guia6}, {"ABRIL 2015"}, "510.28", "492.71"},
      {{Guide::Guia7}, {"ABRIL 2015"}, "504.77", "492.92"},
      {{}, {"ABRIL 2015"}, "514.62", "491.47"},
  };
  return corrections;
}

template <class T>
bool contains(const std::vector<T>& list, const T& value) {
  for (const auto& item : list)
    if (item == value) return true;
  return false;
}

std::string_view correctedFigure(const Edition& edition, Guide guide, std::string_view raw) {
  for (const auto& c : figureCorrections()) {
    if (!c.guides.empty() && !contains(c.guides, guide)) continue;
    if (contains(c.editions, std::string_view(edition.name)) && raw == c.from) return c.to;
  }
  return raw;
}

std::string_view familyCaption(Guide guide) {
  switch (guide) {
    case Guide::Guia1:
    case Guide::Ed9000: return "CASE \"GUIA1\", \"9000ED\"";
    case Guide::Guia2:
    case Guide::Rm9000: return "CASE \"GUIA2\", \"9000RM\"";
    case Guide::Guia3: return "CASE \"GUIA3\"";
    case Guide::Guia4: return "CASE \"GUIA4\"";
    case Guide::Guia5: return "CASE \"GUIA5\"";
    case Guide::Guia6: return "CASE \"GUIA6\"";
    case Guide::Guia7: return "CASE \"GUIA7\"";
    default: return "Baltu";
  }
}

// The slots a guide accepts, in the order they are tested.
std::span<const std::size_t> sectorsOf(Guide guide) {
  static constexpr std::size_t kBuilding[] = {EDIF, TRAN, ESTU, ANTE, PROA, PROB, PROC, LEVA, LEVB, REPL};
  static constexpr std::size_t kRepairs[] = {REPA, TRAN};
  static constexpr std::size_t kUrban[] = {URBA, TRAN, REPL};
  static constexpr std::size_t kElectromechanical[] = {ELEM, TRAN};
  static constexpr std::size_t kRoads[] = {VIAL, TRAN};
  static constexpr std::size_t kElectrical[] = {ELEC, TRAN};
  static constexpr std::size_t kSanitation[] = {AMBI, TRAN};
  switch (guide) {
    case Guide::Guia1:
    case Guide::Ed9000: return kBuilding;
    case Guide::Guia2:
    case Guide::Rm9000: return kRepairs;
    case Guide::Guia3: return kUrban;
    case Guide::Guia4: return kElectromechanical;
    case Guide::Guia5: return kRoads;
    case Guide::Guia6: return kElectrical;
    case Guide::Guia7: return kSanitation;
    default: return {};
  }
}

store::Cents centsOf(std::string_view text) { return store::round2Cents(store::parseRawNumber(text)); }

}  // namespace

store::Expected<Edition> applyEdition(std::string_view editionName) {
  for (const EditionEntry& entry : editionTable()) {
    if (!contains(entry.names, editionName)) continue;
    return Edition{std::string(editionName), &entry, centsOf(entry.cestaticket), centsOf(entry.bono)};
  }
  return store::Failure{cp("La edición \"") + std::string(editionName) +
                        cp("\" de los archivos de datos no es una edición que Baltu reconozca.\r\n\r\n"
                           "Instale los archivos de datos de una edición válida y vuelva a intentarlo.")};
}

std::string_view sectorCode(std::size_t slot) { return kSectorCodes.at(slot); }

std::vector<std::size_t> acceptedSectors(Guide guide) {
  const std::span<const std::size_t> slots = sectorsOf(guide);
  return std::vector<std::size_t>(slots.begin(), slots.end());
}

std::string storedFcas(std::string_view text) {
  // Display form and right alignment in one pass: this runs for every partida read.
  constexpr std::size_t kWidth = 8;
  const std::size_t pad = text.size() < kWidth ? kWidth - text.size() : 0;
  std::string out(pad + text.size(), ' ');
  for (std::size_t i = 0; i < text.size(); ++i)
    out[pad + i] = text[i] == '.' ? ',' : text[i] == ',' ? '.' : text[i];
  return out;
}

std::optional<store::PartidaFcas> resolvePartidaFcas(const Edition& edition, Guide guide,
                                                     const store::PartidaBeingRead& partida,
                                                     store::UserInterface& ui) {
  const EditionEntry& entry = *edition.entry;
  const std::span<const std::size_t> slots = sectorsOf(guide);
  for (std::size_t slot : slots)
    if (partida.sector == kSectorCodes[slot])
      return store::PartidaFcas{storedFcas(entry.fcas1[slot]), storedFcas(entry.fcas2[slot])};

  const std::string_view figure = correctedFigure(edition, guide, partida.sector);
  for (std::size_t slot : slots)
    if (figure == entry.fcas1[slot]) return store::PartidaFcas{storedFcas(figure), storedFcas(entry.fcas2[slot])};

  const store::Record& p = partida.partida;
  const std::string text = cp("PARTIDA SIN FCAS ASIGNADO!!!\r\n\r\nGuía (NombreGuia$): ") +
                           std::string(store::guideId(guide).baseName) +
                           "\r\n\r\nCodigo (Partida$ (0)): " + std::string(p.field(1)) +
                           "\r\nCOVENIN (Partida$ (2)): " + std::string(p.field(3)) +
                           "\r\n\r\nDescripcion (Partida$ (1)): " + std::string(p.field(2)) +
                           "\r\n\r\nFCAS en archivo(Partida$(7): " + std::string(partida.sector) +
                           "\r\nPartida$(8): " + std::string(partida.rawField9) + cp("\r\n\r\nEdición Actual: ") +
                           edition.name;
  store::Message message;
  message.caption = std::string(familyCaption(guide));
  message.text = text;
  message.icon = store::MessageIcon::Error;
  message.buttons = store::MessageButtons::OkCancel;
  if (ui.showMessage(message) != store::Answer::Ok) return std::nullopt;
  return store::PartidaFcas{storedFcas(partida.sector), storedFcas(partida.sector)};
}

}  // namespace baltu::pricing
