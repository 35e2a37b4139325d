#pragma once
// The manuals that the Help menu opens: HTML pages made from docs/*.md when the program is
// built. They lie beside the program in a build tree and in the package's documentation folder
// when installed (/usr/share/doc/talmo for /usr/bin/wintalmo).
#include <filesystem>

namespace talmo {

inline constexpr const char* kUsersManual = "users-manual.html";
inline constexpr const char* kTechnicalManual = "technical-manual.html";

// The manual `fileName` beside the program or in ../share/doc/talmo; the first that exists,
// else the path in the installed documentation folder (whose absence the caller reports).
std::filesystem::path FindManual(const std::filesystem::path& programFolder, const char* fileName);

}  // namespace talmo
