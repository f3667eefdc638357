#include "app/command_line.h"

namespace kakipo {

namespace {
bool isSeparator(unsigned char c) { return c <= ' '; }
}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
  std::vector<std::string> args;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  while (true) {
    while (i < n && isSeparator(static_cast<unsigned char>(commandLine[i]))) ++i;
    if (i >= n) break;
    std::string arg;
    bool quoted = false;
    // No byte of a UTF-8 character beyond ASCII is a quote or a blank.
    while (i < n && (quoted || !isSeparator(static_cast<unsigned char>(commandLine[i])))) {
      if (commandLine[i] == '"')
        quoted = !quoted;
      else
        arg += commandLine[i];
      ++i;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

std::string startupFileName(const std::string& commandLine) {
  const auto args = splitCommandLine(commandLine);
  std::string name;
  for (std::size_t k = 1; k < args.size(); ++k) name += " " + args[k];
  std::size_t b = 0, e = name.size();
  while (b < e && isSeparator(static_cast<unsigned char>(name[b]))) ++b;
  while (e > b && isSeparator(static_cast<unsigned char>(name[e - 1]))) --e;
  return name.substr(b, e - b);
}

}  // namespace kakipo
