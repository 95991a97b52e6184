#pragma once

#include <stdexcept>
#include <string>

namespace kuvel {

// The run-time errors a handler can meet. None is caught inside the game: each ends
// the handler where it is raised and reaches runHandler, which reports it.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TypeMismatch : public RuntimeError {
public:
    explicit TypeMismatch(const std::string& text) : RuntimeError("Type mismatch: \"" + text + "\" is not a number") {}
};

class Overflow : public RuntimeError {
public:
    explicit Overflow(const std::string& what) : RuntimeError("Overflow: " + what) {}
};

class FloatingPointError : public RuntimeError {
public:
    explicit FloatingPointError(const std::string& what) : RuntimeError("Floating-point error: " + what) {}
};

class ControlError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

}  // namespace kuvel
