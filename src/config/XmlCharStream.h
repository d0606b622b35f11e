#pragma once

#include "CodePageCodec.h"
#include "XmlDocument.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

// The characters of an XML file's bytes, decoded on demand, so that the code page can change
// right after the declaration. A byte-order mark (UTF-8, UTF-16) chooses the encoding and is
// not a character; without one the bytes are in the system's 8-bit code page until switchTo.
class XmlCharStream {
public:
    static constexpr int kEnd = -1;

    explicit XmlCharStream(std::string_view bytes);

    // The character `ahead` places on, or kEnd.
    int peek(std::size_t ahead = 0) {
        if (!fill(ahead + 1))
            return kEnd;
        return buffer_[head_ + ahead];
    }
    int get() {
        const int c = peek();
        if (c != kEnd) {
            ++head_;
            ++position_;
        }
        return c;
    }
    // Characters consumed so far: the position of the last one read.
    std::size_t position() const { return position_; }
    bool lookingAt(std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (peek(i) != text[i])
                return false;
        }
        return true;
    }

    // Decodes the rest of the data, from the next unread character on, in another code page.
    void switchTo(XmlEncoding encoding, int codePage);
    XmlEncoding encoding() const { return encoding_; }
    int codePage() const { return codePage_; }

private:
    void use(XmlEncoding encoding, int codePage);
    bool fill(std::size_t count);

    std::string_view bytes_;
    std::size_t bytePos_ = 0;
    std::unique_ptr<CodePageDecoder> decoder_;
    XmlEncoding encoding_ = XmlEncoding::CodePage;
    int codePage_ = 0;
    std::u16string buffer_;
    std::vector<std::size_t> offsets_; // byte offset of each buffered character
    std::size_t head_ = 0;
    std::size_t position_ = 0;
};

} // namespace baritemp
