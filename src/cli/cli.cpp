#include "cli/cli.h"

#include <algorithm>

#include "store/text.h"

namespace baltu::cli {
namespace {

constexpr const char* kUsageText =
    "Uso: baltu-cli [-C CARPETA] [/I] [/M] [/P] ORDEN\n"
    "\n"
    "Órdenes:\n"
    "  info    edición, región, archivo de insumos y cantidad de registros de cada archivo de datos\n";

}  // namespace

bool parseInvocation(const std::vector<std::string>& args, Invocation& invocation, std::string& error) {
  invocation.folder = ".";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string upper = store::toUpperCp(arg);
    if (upper == "/I") {
      invocation.load.sortByCode = true;
    } else if (upper == "/M") {
      invocation.extraMenus = true;
    } else if (upper == "/P") {
      invocation.budgetSwitch = true;
    } else if (arg == "-C") {
      if (i + 1 >= args.size()) {
        error = "Falta la carpeta después de -C.";
        return false;
      }
      invocation.folder = args[++i];
    } else {
      invocation.arguments.push_back(arg);
    }
  }
  return true;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Invocation invocation;
  std::string error;
  if (!parseInvocation(args, invocation, error)) {
    err << error << "\n\n" << kUsageText;
    return kUsage;
  }
  if (invocation.arguments.empty()) {
    err << kUsageText;
    return kUsage;
  }
  const std::string& command = invocation.arguments.front();
  if (command == "info") return infoCommand(invocation, out, err);
  if (command == "--help" || command == "-h" || command == "ayuda") {
    out << kUsageText;
    return kOk;
  }
  err << "Orden desconocida: " << command << "\n\n" << kUsageText;
  return kUsage;
}

}  // namespace baltu::cli
