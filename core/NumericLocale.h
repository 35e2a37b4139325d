#pragma once
// Writing numbers through the C library (the engine, the workbook writer) with a decimal point
// whatever locale the desktop runs in.
#include <string>

namespace talmo {

// Sets the process's numeric locale to "C" (decimal point ".") and restores the previous one
// when it goes out of scope, on every path.
class NumericLocaleGuard {
 public:
  NumericLocaleGuard();
  ~NumericLocaleGuard();
  NumericLocaleGuard(const NumericLocaleGuard&) = delete;
  NumericLocaleGuard& operator=(const NumericLocaleGuard&) = delete;

 private:
  std::string previous_;
};

}  // namespace talmo
