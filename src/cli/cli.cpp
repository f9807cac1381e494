#include "cli/cli.h"


namespace baltu::cli {
namespace {

constexpr const char* kUsageText =
    "Uso: baltu-cli [-C CARPETA] [/I] [/M] [/P] ORDEN\n"
    "\n"
    "Órdenes:\n"
    "  info                                  edición, región, archivo de insumos, cantidad de registros\n"
    "                                        de cada archivo de datos y origen de los precios base\n"
    "  listing GUIA [--text] [--out ARCHIVO]  listado de todas las partidas de GUIA (GUIA1 ... GUIA7,\n"
    "                                        9000ED, 9000RM), CSV o texto, con los campos guardados\n"
    "  analysis GUIA CODIGO                  análisis de precio unitario de una partida\n";

// "/I", "/M" or "/P" in any case; other words that begin with "/" are paths.
bool isSwitchWord(const std::string& arg) {
  return arg.size() == 2 && arg[0] == '/' && std::string("IiMmPp").find(arg[1]) != std::string::npos;
}

}  // namespace

bool parseInvocation(const std::vector<std::string>& args, Invocation& invocation, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-C") {
      if (i + 1 >= args.size()) {
        error = "Falta la carpeta después de -C.";
        return false;
      }
      invocation.folder = args[++i];
    } else if (isSwitchWord(arg)) {
      invocation.switchWords.push_back(arg);
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
  if (command == "listing") return listingCommand(invocation, out, err);
  if (command == "analysis") return analysisCommand(invocation, out, err);
  if (command == "--help" || command == "-h" || command == "ayuda") {
    out << kUsageText;
    return kOk;
  }
  err << "Orden desconocida: " << command << "\n\n" << kUsageText;
  return kUsage;
}

}  // namespace baltu::cli
