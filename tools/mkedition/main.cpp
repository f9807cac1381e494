#include <iostream>
#include <string>
#include <vector>

#include "mkedition/mkedition_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return baltu::mkedition::runMkedition(args, std::cout, std::cerr);
}
