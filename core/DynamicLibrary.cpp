#include "DynamicLibrary.h"

#include <dlfcn.h>

#include <filesystem>

namespace talmo {

TDynamicLibrary::TDynamicLibrary(const std::string& fileName, bool openNow) : fFileName(fileName) {
  if (openNow) Open();
}

TDynamicLibrary::~TDynamicLibrary() { Close(); }

void TDynamicLibrary::SetFileName(const std::string& fileName) {
  Close();
  fFileName = fileName;
}

void TDynamicLibrary::Open() {
  if (GetIsOpen()) return;
  std::error_code ec;
  if (fFileName.empty() || !std::filesystem::is_regular_file(fFileName, ec)) throw EFileNotFoundError();
  // Local symbols: the engine's internals never mix with the program's own.
  hLibModule = dlopen(fFileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (hLibModule == nullptr) throw EInitError();
}

void TDynamicLibrary::Close() {
  if (!GetIsOpen()) return;
  dlclose(hLibModule);
  hLibModule = nullptr;
}

void* TDynamicLibrary::FindProcedure(const std::string& name) const {
  if (!GetIsOpen()) throw EDLLNotOpenError();
  return dlsym(hLibModule, name.c_str());
}

void TDynamicLibrary::OpenFile(const std::string& fileName) {
  SetFileName(fileName);
  Open();
}

}  // namespace talmo
