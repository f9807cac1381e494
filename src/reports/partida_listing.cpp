#include "reports/partida_listing.h"

#include <string_view>

#include "pricing/price_passes.h"
#include "store/text.h"

namespace baltu::reports {
namespace {

using store::Guide;
namespace field = store::field;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kIndent = "    ";
constexpr std::size_t kDescriptionWidth = 74;
// Listings this long show a progress window that can cancel between rows.
constexpr std::size_t kProgressThreshold = 15;

void writeLine(std::ostream& out, std::string_view text) { out << text << kCrLf; }

std::vector<std::size_t> existingRows(const store::Table& partidas, const std::vector<std::size_t>& rows) {
  std::vector<std::size_t> out;
  out.reserve(rows.size());
  for (std::size_t row : rows)
    if (row < partidas.size()) out.push_back(row);
  return out;
}

bool isNineThousandCode(std::string_view code) {
  const std::string_view trimmed = store::trim(code);
  return trimmed.starts_with("EDF") || trimmed.starts_with("REM");
}

// The row as it is written: partidas of the 9000 guides keep the F7 their own passes gave.
store::Record preparedRow(const store::Record& stored, const ListingContext& context) {
  store::Record row = stored;
  if (context.options.recalculatedPrice && context.refreshRecalculatedPrice &&
      !isNineThousandCode(row.field(field::kCode)))
    context.refreshRecalculatedPrice(row);
  return row;
}

// Shows the progress of row k (from 1) and reports whether Cancel stopped the listing.
bool stoppedBeforeRow(std::size_t k, std::size_t count, const ListingContext& context) {
  if (context.progress == nullptr || count <= kProgressThreshold) return false;
  store::UserInterface& ui = *context.progress;
  ui.showProgress("Preparando Partida " + std::to_string(k) + " de " + std::to_string(count));
  ui.showProgress(pricing::percentMaskText(static_cast<double>(k - 1) / static_cast<double>(count)));
  ui.processEvents();
  return ui.stopRequested();
}

bool coveninIsCodigo(Guide guide) { return guide == Guide::Guia6; }

bool writesPartidaCode(const ListingContext& context) {
  return context.sortByCode && context.options.partidaCode;
}

void writeFileHeader(std::ostream& out, std::string_view reportLine, std::string_view totalLabel,
                     std::size_t count, const ListingContext& context, ListingForm form) {
  writeLine(out, reportLine);
  writeLine(out, listingTitleLine(context.editionName));
  writeLine(out, " ");
  writeLine(out, listingGuideName(context.guide, form));
  writeLine(out, " ");
  writeLine(out, std::string(totalLabel) + std::to_string(count));
  writeLine(out, " ");
}

std::string doubledQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out;
}

// Inserts blanks into the gaps between words, rightmost gap first, until the line is
// `width` long. A line without a gap is left as it is.
std::string justified(std::string_view line, std::size_t width) {
  if (line.size() >= width) return std::string(line);
  std::vector<std::size_t> gapEnds;  // index after each run of blanks, left to right
  for (std::size_t i = 1; i < line.size(); ++i)
    if (line[i - 1] == ' ' && line[i] != ' ') gapEnds.push_back(i);
  if (gapEnds.empty()) return std::string(line);
  const std::size_t missing = width - line.size();
  const std::size_t gaps = gapEnds.size();
  std::string out;
  out.reserve(width);
  std::size_t from = 0;
  for (std::size_t g = 0; g < gaps; ++g) {
    out.append(line.substr(from, gapEnds[g] - from));
    const std::size_t fromRight = gaps - 1 - g;
    out.append(missing / gaps + (fromRight < missing % gaps ? 1 : 0), ' ');
    from = gapEnds[g];
  }
  out.append(line.substr(from));
  return out;
}

}  // namespace

std::string listingGuideName(Guide guide, ListingForm form) {
  const bool printed = form == ListingForm::Printed;
  switch (guide) {
    case Guide::Guia1:
      return printed ? "GUIA 1 - EDIFICACIONES" : store::cp("Guía 1 - Edificaciones");
    case Guide::Guia2:
      return printed ? "GUIA 2 - REPARACIONES, REFORMAS Y MANTENIMIENTO"
                     : store::cp("Guía 2 - Reparaciones, Reformas y Mantenimiento");
    case Guide::Guia3:
      return printed ? "GUIA 3 - URBANISMO" : store::cp("Guía 3 - Urbanismo");
    case Guide::Guia4:
      if (printed) return "GUIA 4 - ELECTROMECANICA";
      return form == ListingForm::Text ? store::cp("Guía 4 - Electromecanica") : store::cp("Guía 4 - Electromecánica");
    case Guide::Guia5:
      return printed ? "GUIA 5 - VIALIDAD" : store::cp("Guía 5 - Vialidad");
    case Guide::Guia6:
      return printed ? "GUIA 6 - ELECTRICA" : store::cp("Guía 6 - Eléctrica");
    case Guide::Guia7:
      return printed ? "GUIA 7 - SANEAMIENTO AMBIENTAL" : store::cp("Guía 7 - Saneamiento ambiental");
    case Guide::Guia0:
      return printed ? "GUIAS DISPONIBLES" : store::cp("Guías Disponibles");
    case Guide::Ed9000:
      return printed ? "PARTIDAS COMO INSUMOS - SECTOR: EDIFICACIONE Y VIALIDAD"
                     : "Partidas como Insumos - Sector: Edificaciones y Vialidad ";
    case Guide::Rm9000:
      return printed ? "PARTIDAS COMO INSUMOS - SECTOR: REPARACIONES, REFORMAS Y MANTENIMIENTO"
                     : "Partidas como Insumos - Reparaciones, Reformas y Mantenimiento";
    case Guide::Merged9000:
      // Both 9000 guides together: the name their where-used files use.
      return printed ? "PARTIDAS COMO INSUMOS - EDIFICACIONES, URBANISMO, VIALIDAD Y REPARACIONES"
                     : "Partidas como Insumos - Edificaciones, Urbanismo, Vialidad y Reparaciones";
  }
  return {};
}

std::string listingTitleLine(std::string_view editionName) {
  return std::string(editionName) + store::cp(" - Guía Referencial de Costos de Construcción");
}

std::vector<std::string> layOutDescription(std::string_view description, std::size_t width) {
  if (width < 2) width = 2;  // room for one character and the hyphen
  std::vector<std::string> lines;
  std::string_view rest = store::trim(description);
  while (rest.size() > width) {
    std::string line;
    std::size_t next = 0;
    if (rest[width] == ' ') {
      line = rest.substr(0, width);
      next = width + 1;
    } else if (const std::size_t blank = rest.substr(0, width).find_last_of(' '); blank != std::string_view::npos) {
      line = rest.substr(0, blank);
      next = blank + 1;
    } else {
      // One word longer than the line: cut it with a hyphen.
      line = std::string(rest.substr(0, width - 1)) + "-";
      next = width - 1;
    }
    lines.push_back(justified(store::trimRight(line), width));
    rest = store::trim(rest.substr(next));
  }
  lines.emplace_back(rest);
  return lines;
}

ListingEnd writePartidaListingCsv(std::ostream& out, const store::Table& partidas,
                                  const std::vector<std::size_t>& rows, const ListingContext& context) {
  const ListingOptions& o = context.options;
  const std::vector<std::size_t> listed = existingRows(partidas, rows);

  struct Column {
    std::size_t fieldNumber;
    std::string_view heading;
  };
  std::vector<Column> columns;
  if (writesPartidaCode(context)) columns.push_back({field::kCode, "CODIGO;"});
  if (o.covenin) columns.push_back({field::kCovenin, coveninIsCodigo(context.guide) ? "CODIGO;" : "COVENIN;"});
  if (o.unit) columns.push_back({field::kPartidaUnit, "UNIDAD;"});
  if (o.rendimiento) columns.push_back({field::kRendimiento, "RENDIMIENTO;"});
  if (o.basePrice) columns.push_back({field::kBasePrice, "P.U. BASE;"});
  if (o.recalculatedPrice) columns.push_back({field::kRecalculatedPrice, "P.U. RECALCULADO;"});
  if (o.fcas1) columns.push_back({field::kFcas1, "F.C.A.S.1;"});
  if (o.fcas2) columns.push_back({field::kFcas2, "F.C.A.S.2;"});

  writeFileHeader(out, "Listado de Partidas", "Total Partidas:  ", listed.size(), context, ListingForm::Csv);

  std::string heading = store::cp("Nº;");
  for (const auto& c : columns) heading += c.heading;
  if (o.description) heading += "DESCRIPCION;";
  writeLine(out, heading);

  for (std::size_t k = 1; k <= listed.size(); ++k) {
    if (stoppedBeforeRow(k, listed.size(), context)) return ListingEnd::Stopped;
    const store::Record row = preparedRow(partidas[listed[k - 1]], context);
    std::string line = std::to_string(k) + ";";
    for (const auto& c : columns) {
      line += row.field(c.fieldNumber);
      line += ';';
    }
    if (o.description) line += doubledQuotes(store::trim(row.field(field::kDescription)));
    writeLine(out, line);
  }
  return ListingEnd::Completed;
}

ListingEnd writePartidaListingText(std::ostream& out, const store::Table& partidas,
                                   const std::vector<std::size_t>& rows, const ListingContext& context) {
  const ListingOptions& o = context.options;
  const bool withCode = writesPartidaCode(context);
  const std::string_view coveninLabel = coveninIsCodigo(context.guide) ? "CODIGO: " : "COVENIN: ";
  const std::vector<std::size_t> listed = existingRows(partidas, rows);

  writeFileHeader(out, "REPORTE: Listado de Partidas", "Total Partidas:    ", listed.size(), context,
                  ListingForm::Text);

  // A line of up to two parts, written only when one of them is switched on.
  auto writeParts = [&out](bool firstOn, std::string_view firstLabel, std::string_view firstValue,
                           std::size_t firstWidth, bool secondOn, std::size_t blanksAfterFirst,
                           std::size_t blanksAlone, std::string_view secondLabel, std::string_view secondValue,
                           std::size_t secondWidth) {
    if (!firstOn && !secondOn) return;
    std::string line(kIndent);
    if (firstOn) line += store::padRight(std::string(firstLabel) + std::string(firstValue), firstWidth);
    if (secondOn) {
      std::string part(firstOn ? blanksAfterFirst : blanksAlone, ' ');
      part += secondLabel;
      part += secondValue;
      line += store::padRight(part, secondWidth);
    }
    writeLine(out, line);
  };

  for (std::size_t k = 1; k <= listed.size(); ++k) {
    if (stoppedBeforeRow(k, listed.size(), context)) return ListingEnd::Stopped;
    const store::Record row = preparedRow(partidas[listed[k - 1]], context);
    auto value = [&row](std::size_t n) { return store::trim(row.field(n)); };

    writeLine(out, std::string(kIndent) + store::cp("Partida Nº ") + std::to_string(k));
    writeParts(withCode, "         CODIGO: ", value(field::kCode), 25, o.covenin, 18, 9, coveninLabel,
               value(field::kCovenin), 40);
    writeParts(o.unit, "          UNIDAD: ", value(field::kPartidaUnit), 24, o.rendimiento, 15, 5, "RENDIMIENTO: ",
               value(field::kRendimiento), 45);
    writeParts(o.basePrice, "       P.U. BASE: ", value(field::kBasePrice), 36, o.fcas1, 5, 7, "F.C.A.S.1: ",
               value(field::kFcas1), 21);
    writeParts(o.recalculatedPrice, "P.U. RECALCULADO: ", value(field::kRecalculatedPrice), 36, o.fcas2, 5, 7,
               "F.C.A.S.2: ", value(field::kFcas2), 21);
    if (o.description) {
      writeLine(out, " ");
      writeLine(out, std::string(kIndent) + "DESCRIPCION: ");
      for (const auto& line : layOutDescription(row.field(field::kDescription), kDescriptionWidth))
        writeLine(out, std::string(kIndent) + line);
    }
    writeLine(out, std::string(kIndent) + std::string(kDescriptionWidth, '_'));
    writeLine(out, " ");
  }
  return ListingEnd::Completed;
}

}  // namespace baltu::reports
