#pragma once
// `talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]`: writes the plots of an analysed
// project (read from its plot file beside it) to a spreadsheet workbook, as the desktop
// program's export does, without the desktop program.
#include <iosfwd>
#include <string>
#include <vector>

namespace talmo {

// `args` are the words after "export". Returns the exit status: 0 written, 2 bad command
// line, unreadable project or plot file, nothing to export, or a workbook that cannot be
// written (the reason goes to `err`).
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace talmo
