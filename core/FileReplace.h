#pragma once
// Replacing a file's contents without ever leaving it half written: the new text goes to a
// temporary file in the same folder, is flushed to disk and is then renamed over the old file
// in one step. Whatever fails, the old file stays as it was and no temporary file is left.
#include <functional>
#include <string>

namespace talmo {

// Makes `contents` the contents of `fileName`, creating the file when it does not exist. An
// existing file keeps its permissions; a symbolic link keeps pointing at the file it names.
// Throws EFOpenError when the temporary file cannot be created and EInOutError when it cannot
// be written or put in place; both messages name the file and the system's reason.
void ReplaceFileContents(const std::string& fileName, const std::string& contents);

// The same for a file that a library writes itself: `write` receives the name of the new,
// empty temporary file, fills it (it may reopen the file by that name) and returns "" on
// success or the reason it failed. What `write` throws also leaves the old file untouched and
// removes the temporary file before it propagates.
void ReplaceFileWith(const std::string& fileName, const std::function<std::string(const std::string& tempName)>& write);

}  // namespace talmo
