// The command line of baltu-mkedition:
//   baltu-mkedition DIR [--scale small|full] [--edition NAME] [--region 1..4] [--seed N] [--guides 1,3,...]
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "mkedition/sample_edition.h"

namespace baltu::mkedition {

enum MkeditionExit { kMkeditionOk = 0, kMkeditionFailure = 1, kMkeditionUsage = 2 };

struct MkeditionInvocation {
  std::filesystem::path folder;
  SampleEditionOptions options;
  bool help = false;
};

// Reads the arguments (options as "--name value" or "--name=value"). Returns false
// with a message in `error` (UTF-8) when the line cannot be used.
bool parseMkeditionArguments(const std::vector<std::string>& args, MkeditionInvocation& invocation, std::string& error);

// Writes the edition and reports its files on `out`; messages go to `err`.
int runMkedition(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace baltu::mkedition
