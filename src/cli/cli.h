// The command-line tool: the program's core without a window, for automation.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>


namespace baltu::cli {

enum ExitCode { kOk = 0, kFailure = 1, kUsage = 2 };

struct Invocation {
  std::filesystem::path folder = ".";    // -C DIR, else the current folder
  std::vector<std::string> switchWords;  // /I, /M, /P as typed
  std::vector<std::string> arguments;    // the command and its arguments
};

// Reads the folder option and keeps the switch words apart (the start-up reads
// /I, /M and /P from them, anywhere and in any case).
// Returns false with a message in `error` when the line cannot be read.
bool parseInvocation(const std::vector<std::string>& args, Invocation& invocation, std::string& error);

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int infoCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
int listingCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
int analysisCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);

}  // namespace baltu::cli
