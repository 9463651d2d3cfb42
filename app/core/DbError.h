#pragma once
// The exception every database failure throws: the server's (or client library's) message,
// with the start of the statement that failed when there was one.
#include <stdexcept>
#include <string>

class EDatabaseError : public std::runtime_error {
public:
  explicit EDatabaseError(const std::string& message, unsigned code = 0)
      : std::runtime_error(message), code_(code) {}
  // The server's error number (0 when the failure is the layer's own).
  unsigned Code() const { return code_; }

private:
  unsigned code_;
};

// A value read that its column should not hold (a text where a number belongs): the data's
// fault, not the server's.
class EValorInvalido : public EDatabaseError {
public:
  using EDatabaseError::EDatabaseError;
};
