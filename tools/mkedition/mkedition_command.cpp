#include "mkedition/mkedition_command.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "store/text.h"

namespace baltu::mkedition {
namespace {

constexpr const char* kUsageText =
    "Uso: baltu-mkedition CARPETA [--scale small|full] [--edition NOMBRE] [--region 1..4] [--seed N]\n"
    "                     [--guides 1,3,...]\n"
    "\n"
    "Escribe en CARPETA una edición de muestra: el archivo de insumos de la región, 9000ED.DAT,\n"
    "9000RM.DAT y los archivos de las guías elegidas.\n"
    "\n"
    "  --scale    small (por omisión, para pruebas) o full (del tamaño de una edición publicada)\n"
    "  --edition  nombre de una edición de la tabla de ediciones (por omisión \"DICIEMBRE 2018\")\n"
    "  --region   1 INSUMOS.DAT, 2 INSUMOS2.DAT, 3 INSUMOS3.DAT, 4 INSUMOS4.DAT (por omisión 1)\n"
    "  --seed     semilla; la misma semilla da los mismos archivos (por omisión 1)\n"
    "  --guides   guías de costos que se escriben (por omisión 1,2,3,4,5,6,7)\n";

template <class T>
bool parseNumber(std::string_view text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool parseGuides(std::string_view text, std::vector<store::Guide>& guides) {
  guides.clear();
  while (true) {
    const std::size_t comma = text.find(',');
    int number = 0;
    if (!parseNumber(text.substr(0, comma), number) || number < 1 || number > 7) return false;
    const store::Guide guide = store::kCostGuides[static_cast<std::size_t>(number - 1)];
    bool seen = false;
    for (store::Guide g : guides) seen = seen || g == guide;
    if (!seen) guides.push_back(guide);
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

std::string withThousands(std::size_t value) {
  const std::string digits = std::to_string(value);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += '.';
    out += digits[i];
  }
  return out;
}

}  // namespace

bool parseMkeditionArguments(const std::vector<std::string>& args, MkeditionInvocation& invocation,
                             std::string& error) {
  bool haveFolder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    if (name == "--help" || name == "-h") {
      invocation.help = true;
      return true;
    }
    if (!name.starts_with("--")) {
      if (haveFolder) {
        error = "Sobra el argumento \"" + name + "\": ya se indicó la carpeta.";
        return false;
      }
      invocation.folder = name;
      haveFolder = true;
      continue;
    }
    std::string value;
    if (const std::size_t equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = "Falta el valor de " + name + ".";
      return false;
    }
    SampleEditionOptions& options = invocation.options;
    if (name == "--scale") {
      if (value == "small") {
        options.scale = SampleScale::Small;
      } else if (value == "full") {
        options.scale = SampleScale::Full;
      } else {
        error = "La escala debe ser small o full, no \"" + value + "\".";
        return false;
      }
    } else if (name == "--edition") {
      options.editionName = store::cp(value);
    } else if (name == "--region") {
      if (!parseNumber(value, options.region) || options.region < 1 || options.region > 4) {
        error = "La región debe ser un número del 1 al 4, no \"" + value + "\".";
        return false;
      }
    } else if (name == "--seed") {
      if (!parseNumber(value, options.seed)) {
        error = "La semilla debe ser un número entero no negativo, no \"" + value + "\".";
        return false;
      }
    } else if (name == "--guides") {
      if (!parseGuides(value, options.guides)) {
        error = "Las guías se indican con números del 1 al 7 separados por comas, no \"" + value + "\".";
        return false;
      }
    } else {
      error = "Opción desconocida: " + name + ".";
      return false;
    }
  }
  if (!haveFolder) {
    error = "Falta la carpeta donde escribir la edición.";
    return false;
  }
  return true;
}

int runMkedition(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  MkeditionInvocation invocation;
  std::string error;
  if (!parseMkeditionArguments(args, invocation, error)) {
    err << error << "\n\n" << kUsageText;
    return kMkeditionUsage;
  }
  if (invocation.help) {
    out << kUsageText;
    return kMkeditionOk;
  }
  const store::Expected<SampleEditionSummary> written = writeSampleEdition(invocation.folder, invocation.options);
  if (!written) {
    err << store::toUtf8(written.failure().message) << "\n";
    return kMkeditionFailure;
  }
  const SampleEditionSummary& summary = written.value();
  const SampleEditionOptions& options = invocation.options;
  out << "Edición de muestra \"" << store::toUtf8(options.editionName) << "\" (región " << options.region << ", escala "
      << (options.scale == SampleScale::Full ? "full" : "small") << ", semilla " << options.seed << ") en "
      << invocation.folder.string() << ":\n";
  for (std::size_t k = 0; k < summary.files.size(); ++k) {
    std::error_code sizeError;
    const auto bytes = std::filesystem::file_size(summary.files[k], sizeError);
    char line[160];
    std::snprintf(line, sizeof line, "  %-13s %14s bytes  ", summary.files[k].filename().string().c_str(),
                  sizeError ? "?" : withThousands(static_cast<std::size_t>(bytes)).c_str());
    out << line;
    if (k == 0) {
      const auto& n = summary.counts.insumos;
      out << withThousands(n[0]) << " materiales, " << withThousands(n[1]) << " equipos, " << withThousands(n[2])
          << " categorías de mano de obra; compuestos: " << n[3] << " + " << n[4] << " + " << n[5] << "\n";
    } else if (k - 1 < summary.counts.guides.size()) {
      const SampleGuideCounts& g = summary.counts.guides[k - 1];
      out << withThousands(g.partidas) << " partidas; componentes: " << withThousands(g.materials) << " + "
          << withThousands(g.equipment) << " + " << withThousands(g.labour) << "\n";
    } else {
      out << "banner del distribuidor, en "
          << summary.files[k].parent_path().lexically_relative(invocation.folder).generic_string() << "\n";
    }
  }
  for (const std::string& note : summary.notes) out << store::toUtf8(note) << "\n";
  return kMkeditionOk;
}

}  // namespace baltu::mkedition
