#pragma once

#include <stdexcept>
#include <string>

namespace baritemp {

// A value the conversions cannot take: what went wrong and the text it concerns. The
// application chooses the words the user reads (what() names the kind only).
class ConversionError : public std::runtime_error {
public:
    enum class Kind {
        InvalidNumber,  // the text is no number
        Overflow,       // the number is beyond the double range
        InvalidInteger, // the text is no 32-bit integer (a stored colour)
        // A value the reading understood but the conversion cannot take; `detail` says more.
        UnknownUnit,      // the word after the number names no unit (detail: the word)
        DecimalSeparator, // a number only with another decimal separator (detail: the user's)
        OtherQuantity,    // a value of the other quantity (detail: the value's unit)
        OtherUnit,        // a value in another unit than the one asked (detail: the value's unit)
    };

    explicit ConversionError(Kind kind, std::string text = {}, std::string detail = {})
        : std::runtime_error(kindName(kind)), kind_(kind), text_(std::move(text)),
          detail_(std::move(detail)) {}

    Kind kind() const { return kind_; }
    // The text that is no number or no integer, as it was given (UTF-8).
    const std::string& text() const { return text_; }
    const std::string& detail() const { return detail_; }

    // The class name the run-time report gives this error: conversion errors are
    // "EConvertError", an overflow "EOverflow".
    const char* className() const {
        return kind_ == Kind::Overflow ? "EOverflow" : "EConvertError";
    }

private:
    static const char* kindName(Kind kind) {
        switch (kind) {
        case Kind::InvalidNumber:
            return "InvalidNumber";
        case Kind::Overflow:
            return "Overflow";
        case Kind::InvalidInteger:
            return "InvalidInteger";
        case Kind::UnknownUnit:
            return "UnknownUnit";
        case Kind::DecimalSeparator:
            return "DecimalSeparator";
        case Kind::OtherQuantity:
            return "OtherQuantity";
        default:
            return "OtherUnit";
        }
    }

    Kind kind_;
    std::string text_;
    std::string detail_;
};

} // namespace baritemp
