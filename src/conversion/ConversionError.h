#pragma once

#include <stdexcept>
#include <string>

namespace baritemp {

// An error that leaves a value field's key handler and reaches the application error box.
// The message is UTF-8 and is shown as it is (the box adds the final full stop).
class ConversionError : public std::runtime_error {
public:
    enum class Kind {
        InvalidNumber,  // "'%s' n'est pas une valeur en virgule flottante correcte"
        Overflow,       // "Débordement en virgule flottante"
        InvalidInteger, // "''%s'' n'est pas une valeur entière valide"
    };

    ConversionError(Kind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}

    Kind kind() const { return kind_; }

    // The class name the run-time report gives this error: conversion errors are
    // "EConvertError", an overflow "EOverflow".
    const char* className() const {
        return kind_ == Kind::Overflow ? "EOverflow" : "EConvertError";
    }

private:
    Kind kind_;
};

} // namespace baritemp
