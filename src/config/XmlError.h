#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace baritemp {

// A reading or writing error of the XML document: what went wrong, the texts it names (UTF-8)
// and, for a reading error, the position in the data. The application words it for the user;
// what() is a technical summary ("WrongEndTag Lang|lang @45").
class XmlError : public std::runtime_error {
public:
    enum class Code {
        ExpectedEndOfTag, // the character found
        UnexpectedEndOfComment,
        TextInProlog,
        BadCommentOpening,      // what was expected, what was found
        BadCDataOpening,        // what was expected, what was found
        BadDocumentTypeOpening, // what was expected, what was found
        UnexpectedEndOfCData,
        DoubleHyphenInComment,
        ExpectedQuote,          // the character found
        UnexpectedInProperty,   // the character found
        ExpectedBeginningOfTag, // the character found
        MalformedTag,
        WrongEndTag, // the name expected, the name found
        NoMatchingCharset,
        CodePageUnavailable,      // the code page
        CodePageCannotHold,       // the code page
        CodePageWouldNotReadBack, // the code page
    };

    explicit XmlError(Code code, std::vector<std::string> arguments = {},
                      std::optional<std::size_t> position = std::nullopt)
        : std::runtime_error(summary(code, arguments, position)), code_(code),
          arguments_(std::move(arguments)), position_(position) {}

    Code code() const { return code_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    // Where in the data, counted in characters from 1 (reading errors).
    std::optional<std::size_t> position() const { return position_; }

private:
    static const char* codeName(Code code) {
        constexpr const char* names[] = {
            "ExpectedEndOfTag",     "UnexpectedEndOfComment",   "TextInProlog",
            "BadCommentOpening",    "BadCDataOpening",          "BadDocumentTypeOpening",
            "UnexpectedEndOfCData", "DoubleHyphenInComment",    "ExpectedQuote",
            "UnexpectedInProperty", "ExpectedBeginningOfTag",   "MalformedTag",
            "WrongEndTag",          "NoMatchingCharset",        "CodePageUnavailable",
            "CodePageCannotHold",   "CodePageWouldNotReadBack",
        };
        return names[static_cast<int>(code)];
    }

    static std::string summary(Code code, const std::vector<std::string>& arguments,
                               std::optional<std::size_t> position) {
        std::string out = codeName(code);
        for (std::size_t i = 0; i < arguments.size(); ++i)
            out += (i == 0 ? " " : "|") + arguments[i];
        if (position)
            out += " @" + std::to_string(*position);
        return out;
    }

    Code code_;
    std::vector<std::string> arguments_;
    std::optional<std::size_t> position_;
};

} // namespace baritemp
