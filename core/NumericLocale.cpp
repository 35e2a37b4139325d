#include "NumericLocale.h"

#include <clocale>

namespace talmo {

NumericLocaleGuard::NumericLocaleGuard() {
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  previous_ = current ? current : "C";
  std::setlocale(LC_NUMERIC, "C");
}

NumericLocaleGuard::~NumericLocaleGuard() { std::setlocale(LC_NUMERIC, previous_.c_str()); }

}  // namespace talmo
