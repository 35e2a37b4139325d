#pragma once
// TDynamicLibrary: a library loaded at run time by path (the analysis engine is loaded for
// one run and unloaded after it, so every run starts with fresh engine data). Failures form
// one family, EDLLError, whose texts are shown to the user.
#include <stdexcept>
#include <string>

namespace talmo {

class EDLLError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// The library exists but could not be loaded (bad file, missing dependency, failed start-up).
class EInitError : public EDLLError {
 public:
  EInitError() : EDLLError("Library failed to properly initialize") {}
};
class EFileNotFoundError : public EDLLError {
 public:
  EFileNotFoundError() : EDLLError("Library could not be located") {}
};
class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  // Stores the path and, with `openNow`, loads the library at once.
  explicit TDynamicLibrary(const std::string& fileName, bool openNow = false);
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Unloads an open library, then stores the new path.
  void SetFileName(const std::string& fileName);
  const std::string& FileName() const { return fFileName; }
  // Loads the library; does nothing when it is already loaded.
  void Open();
  void Close();
  bool GetIsOpen() const { return hLibModule != nullptr; }
  // Address of an exported entry, or nullptr when the library has none of that name.
  void* FindProcedure(const std::string& name) const;
  void OpenFile(const std::string& fileName);

 private:
  std::string fFileName;
  void* hLibModule = nullptr;
};

}  // namespace talmo
