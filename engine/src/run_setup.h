#pragma once
// Run set-up: reading names.dat, the header, file and date blocks, merging the temporaries.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "talmo/engine.h"

namespace talmo {

// Reads the ten lines of names.dat. Returns the names read and how many of the nine file names
// were read (a short file leaves the rest empty).
struct NamesFileContent {
  RunNames names;
  int fileNamesRead = 0;  // 0..9
};
NamesFileContent readNamesFile(std::istream& in);

// Asks on the console for the project, report and plot file names.
void promptForNames(std::istream& in, std::ostream& out, RunNames& names);

// The header block written to the report and the curve listing.
std::vector<std::string> headerBlock(const std::string& version);
// The block naming the project's folder and files (report only).
std::vector<std::string> fileBlock(const RunNames& names);
// The time-and-date block.
std::vector<std::string> dateBlock(const LocalTime& now);

}  // namespace talmo
