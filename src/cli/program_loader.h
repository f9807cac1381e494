// Start-up for the command-line tool: the same sequence as the desktop program,
// with the settings in the common documents folder, questions answered the way
// that goes on and messages on stderr.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "store/guide_id.h"
#include "store/startup.h"

namespace baltu::cli {

std::unique_ptr<store::Program> loadProgram(const Invocation& invocation, store::UserInterface& ui);

// A guide named on the command line that the loaded program holds; a message on err otherwise.
std::optional<store::Guide> loadedGuide(const store::Program& program, const std::string& name, std::ostream& err);

}  // namespace baltu::cli
