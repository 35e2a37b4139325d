#pragma once
// The failures of the interactive program's core. Each carries the text the user is shown;
// commands catch them and show it in an information box.
#include <stdexcept>
#include <string>

namespace talmo {

// A file's contents are not what the reader expected (format errors of the word reader and
// of the project and result readers).
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be opened or created.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The expression evaluator could not evaluate an entry.
class EAssignError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace talmo
