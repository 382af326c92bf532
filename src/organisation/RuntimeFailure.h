#pragma once
// A failure inside the runtime (a text that is not an integer, a division by
// zero...): it ends the command in progress and is shown with the runtime's
// French message, which is what() here.
#include <stdexcept>
#include <string>

namespace ked::orga {

class RuntimeFailure : public std::runtime_error {
 public:
  explicit RuntimeFailure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ked::orga
