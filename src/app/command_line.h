// The file name a user gives on the command line. Explorer and shortcuts pass unquoted paths
// with blanks as several arguments, so every argument is joined back with single blanks.
#pragma once
#include <string>
#include <vector>

namespace kakipo {

// Splits a whole command line (program path first) into its arguments: pieces separated by runs
// of blanks or control bytes outside double quotes; a double quote groups and is dropped.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The start-up file name: each argument after the program path appended with one blank before it,
// then blanks and control bytes trimmed from both ends. Empty when none was given.
std::string startupFileName(const std::string& commandLine);

}  // namespace kakipo
