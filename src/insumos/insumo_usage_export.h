// The insumo-usage export: for each kind of insumo, four CSV files splitting the
// insumos of the simple table into used and unused in the current guide
// context, each pair into simple and compound. Windows-1252, CR LF.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "insumos/where_used.h"
#include "pricing/working_values.h"
#include "store/record.h"
#include "store/tables.h"

namespace baltu::insumos {

// The folder made in the data folder for the files.
inline constexpr std::string_view kUsageExportFolder = "EXPORTAR INSUMOS";

enum class UsageFile { SimpleUsed, CompoundUsed, SimpleUnused, CompoundUnused };

// The four file names of a kind, in UsageFile order.
std::array<std::string, 4> usageFileNames(pricing::InsumoKind kind);
// The heading line of a kind's files, without its line end.
std::string usageHeader(pricing::InsumoKind kind);
// One insumo row as written, without its line end.
std::string usageLine(pricing::InsumoKind kind, const store::Record& insumo, int count);
// The file a row goes to.
UsageFile usageFileOf(pricing::InsumoKind kind, const store::Record& insumo, int count);

// Writes the four files of a kind, in UsageFile order, heading first, the rows
// in table order.
void writeUsageFiles(pricing::InsumoKind kind, const store::Table& insumos, const UsageCounts& counts,
                     const std::array<std::ostream*, 4>& files);

struct UsageExportFile {
  std::string name;   // Windows-1252
  std::string bytes;  // the whole file
};

// The twelve files (materials, equipment, labour; four each), counted over the
// guide context (none: every count is 0).
std::vector<UsageExportFile> buildInsumoUsageExport(const store::InsumoTables& insumos,
                                                    const store::GuideTables* context);

}  // namespace baltu::insumos
