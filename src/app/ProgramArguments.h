#pragma once

#include <string>
#include <vector>

// The command line's arguments after the program's name, as text the program
// holds file names in: the system's bytes on POSIX; UTF-8 on Windows, read
// from the wide command line so that any file name arrives whole.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);
