#include "XmlCharStream.h"

#include "Charsets.h"

namespace baritemp {

XmlCharStream::XmlCharStream(std::string_view bytes) : bytes_(bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytePos_ = 3;
        use(XmlEncoding::Utf8, kCodePageUtf8);
    } else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
        bytePos_ = 2;
        use(XmlEncoding::Utf16, kCodePageUtf16);
    } else {
        use(XmlEncoding::CodePage, 0);
    }
}

void XmlCharStream::switchTo(XmlEncoding encoding, int codePage) {
    if (head_ < buffer_.size())
        bytePos_ = offsets_[head_];
    buffer_.clear();
    offsets_.clear();
    head_ = 0;
    use(encoding, codePage);
}

void XmlCharStream::use(XmlEncoding encoding, int codePage) {
    encoding_ = encoding;
    codePage_ = codePage;
    decoder_ = CodePageDecoder::create(codePage);
}

bool XmlCharStream::fill(std::size_t count) {
    if (buffer_.size() - head_ >= count)
        return true;
    if (head_ > 4096) { // drop what was consumed, keeping the buffer small
        buffer_.erase(0, head_);
        offsets_.erase(offsets_.begin(), offsets_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }
    while (buffer_.size() - head_ < count + 256 && bytePos_ < bytes_.size()) {
        char16_t units[2];
        int n = 0;
        const std::size_t used =
            decoder_->decode(reinterpret_cast<const unsigned char*>(bytes_.data()) + bytePos_,
                             bytes_.size() - bytePos_, units, n);
        for (int i = 0; i < n; ++i) {
            buffer_ += units[i];
            offsets_.push_back(bytePos_);
        }
        bytePos_ += used;
    }
    return buffer_.size() - head_ >= count;
}

} // namespace baritemp
