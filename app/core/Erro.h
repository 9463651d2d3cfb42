#pragma once
// The generation's own error: its message reaches the operator and stops the step.
#include <stdexcept>

class Erro : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
