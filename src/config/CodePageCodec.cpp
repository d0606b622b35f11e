#include "CodePageCodec.h"

#include "Charsets.h"
#include "TextCodec.h"
#include "XmlError.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace baritemp {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

[[noreturn]] void unavailable(int codePage) {
    throw XmlError(XmlError::Code::CodePageUnavailable, {std::to_string(codePage)});
}

[[noreturn]] void unrepresentable(int codePage) {
    throw XmlError(XmlError::Code::CodePageCannotHold, {std::to_string(codePage)});
}

bool keepsShiftState(int codePage) {
    switch (codePage) {
    case 50220:
    case 50221:
    case 50222:
    case 50225:
    case 50227:
    case 50229:
    case 52936:
    case 65000:
        return true;
    default:
        return false;
    }
}

class Utf8Decoder : public CodePageDecoder {
public:
    std::size_t decode(const unsigned char* b, std::size_t size, char16_t out[2],
                       int& units) override {
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8Char(b, size, cp);
        if (length == 0) {
            out[0] = kReplacement;
            units = 1;
            return 1;
        }
        if (cp < 0x10000) {
            out[0] = static_cast<char16_t>(cp);
            units = 1;
        } else {
            cp -= 0x10000;
            out[0] = static_cast<char16_t>(0xD800 + (cp >> 10));
            out[1] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
            units = 2;
        }
        return length;
    }
};

class Utf16Decoder : public CodePageDecoder {
public:
    std::size_t decode(const unsigned char* b, std::size_t size, char16_t out[2],
                       int& units) override {
        units = 1;
        if (size < 2) {
            out[0] = kReplacement; // an odd byte at the end
            return size;
        }
        out[0] = static_cast<char16_t>(b[0] | (b[1] << 8));
        return 2;
    }
};

class TableDecoder : public CodePageDecoder {
public:
    explicit TableDecoder(const std::array<char16_t, 256>& table) : table_(table) {}

    std::size_t decode(const unsigned char* b, std::size_t, char16_t out[2], int& units) override {
        out[0] = table_[b[0]];
        units = 1;
        return 1;
    }

private:
    std::array<char16_t, 256> table_;
};

std::array<char16_t, 256> table1252() {
    std::array<char16_t, 256> table{};
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<char>(i);
    const std::u16string decoded = FromCodePage1252(all);
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = decoded[static_cast<std::size_t>(i)];
    return table;
}

std::string encode1252(std::u16string_view text, int codePage) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!CodePage1252Byte(text[i], out[i]))
            unrepresentable(codePage);
    }
    return out;
}

std::string encodeUtf8Strict(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            unrepresentable(kCodePageUtf8); // a lone surrogate
        }
    }
    return ToUtf8(text);
}

std::string encodeUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

#ifdef _WIN32

class WindowsDecoder : public CodePageDecoder {
public:
    explicit WindowsDecoder(UINT codePage) : codePage_(codePage) {}

    std::size_t decode(const unsigned char* b, std::size_t size, char16_t out[2],
                       int& units) override {
        std::size_t length = IsDBCSLeadByteEx(codePage_, b[0]) ? 2 : 1;
        if (length > size)
            length = size;
        wchar_t wide[2];
        const int n =
            MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(b),
                                static_cast<int>(length), wide, 2);
        if (n <= 0) {
            out[0] = kReplacement;
            units = 1;
            return 1;
        }
        out[0] = static_cast<char16_t>(wide[0]);
        if (n > 1)
            out[1] = static_cast<char16_t>(wide[1]);
        units = n > 1 ? 2 : 1;
        return length;
    }

private:
    UINT codePage_;
};

std::unique_ptr<CodePageDecoder> platformDecoder(int codePage) {
    CPINFO info;
    if (!GetCPInfo(static_cast<UINT>(codePage), &info))
        unavailable(codePage);
    return std::make_unique<WindowsDecoder>(static_cast<UINT>(codePage));
}

std::string platformEncode(std::u16string_view text, int codePage) {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(static_cast<UINT>(codePage), WC_NO_BEST_FIT_CHARS, wide,
                                         length, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        unrepresentable(codePage);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(static_cast<UINT>(codePage), WC_NO_BEST_FIT_CHARS, wide, length, out.data(),
                        size, nullptr, nullptr);
    // Decoding back must give the same text, or the code page could not hold it.
    const int back =
        MultiByteToWideChar(static_cast<UINT>(codePage), 0, out.data(), size, nullptr, 0);
    std::wstring check(static_cast<std::size_t>(back), L'\0');
    MultiByteToWideChar(static_cast<UINT>(codePage), 0, out.data(), size, check.data(), back);
    if (check.size() != text.size() ||
        check.compare(0, check.size(), wide, static_cast<std::size_t>(length)) != 0)
        unrepresentable(codePage);
    return out;
}

#else

std::string iconvName(int codePage) {
    switch (codePage) {
    case 708:
        return "ISO-8859-6";
    case 1201:
        return "UTF-16BE";
    case 1361:
        return "JOHAB";
    case 10000:
        return "MACINTOSH";
    case 10007:
        return "MAC-CYRILLIC";
    case 10017:
        return "MACUKRAINIAN";
    case 10029:
        return "MAC-CENTRALEUROPE";
    case 10079:
        return "MAC-IS";
    case 12000:
        return "UTF-32LE";
    case 12001:
        return "UTF-32BE";
    case 20127:
        return "ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 20932:
    case 51932:
        return "EUC-JP";
    case 51936:
        return "EUC-CN";
    case 51949:
        return "EUC-KR";
    case 54936:
        return "GB18030";
    case 38598:
        return "ISO-8859-8";
    case 28603:
        return "ISO-8859-13";
    case 28605:
        return "ISO-8859-15";
    default:
        break;
    }
    if (codePage > 28590 && codePage < 28600)
        return "ISO-8859-" + std::to_string(codePage - 28590);
    if (codePage > 20000 && codePage < 21000)
        return "IBM" + std::to_string(codePage - 20000);
    if (codePage >= 1140 && codePage <= 1149)
        return "IBM" + std::to_string(codePage);
    return "CP" + std::to_string(codePage);
}

class Iconv {
public:
    Iconv(const std::string& to, const std::string& from, int codePage)
        : cd_(iconv_open(to.c_str(), from.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            unavailable(codePage);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts all of `in`; false when it holds an invalid or incomplete sequence.
    bool convert(const char* in, std::size_t size, std::string& out, int& error) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.assign(size * 4 + 8, '\0');
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out.data();
        std::size_t inLeft = size;
        std::size_t outLeft = out.size();
        const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        error = result == static_cast<std::size_t>(-1) ? errno : 0;
        if (error == 0)
            iconv(cd_, nullptr, nullptr, &outPtr, &outLeft); // flush any shift state
        out.resize(out.size() - outLeft);
        return error == 0 && inLeft == 0;
    }

private:
    iconv_t cd_;
};

class IconvDecoder : public CodePageDecoder {
public:
    explicit IconvDecoder(int codePage) : iconv_("UTF-16LE", iconvName(codePage), codePage) {}

    std::size_t decode(const unsigned char* b, std::size_t size, char16_t out[2],
                       int& units) override {
        // The shortest prefix that forms a character: multi-byte code pages use at most 4.
        for (std::size_t length = 1; length <= 4 && length <= size; ++length) {
            int error = 0;
            if (iconv_.convert(reinterpret_cast<const char*>(b), length, buffer_, error)) {
                const std::size_t n = buffer_.size() / 2;
                if (n == 1 || n == 2) {
                    for (std::size_t i = 0; i < n; ++i)
                        out[i] = static_cast<char16_t>(
                            static_cast<unsigned char>(buffer_[2 * i]) |
                            (static_cast<unsigned char>(buffer_[2 * i + 1]) << 8));
                    units = static_cast<int>(n);
                    return length;
                }
                break;
            }
            if (error != EINVAL)
                break; // not a character, whatever follows
        }
        out[0] = kReplacement;
        units = 1;
        return 1;
    }

    // The whole table when every byte is a character of its own; empty for multi-byte pages.
    bool singleByteTable(std::array<char16_t, 256>& table) {
        for (int i = 0; i < 256; ++i) {
            const auto byte = static_cast<unsigned char>(i);
            int error = 0;
            if (iconv_.convert(reinterpret_cast<const char*>(&byte), 1, buffer_, error)) {
                if (buffer_.size() != 2)
                    return false;
                table[static_cast<std::size_t>(i)] =
                    static_cast<char16_t>(static_cast<unsigned char>(buffer_[0]) |
                                          (static_cast<unsigned char>(buffer_[1]) << 8));
            } else if (error == EINVAL) {
                return false; // a lead byte
            } else {
                table[static_cast<std::size_t>(i)] = kReplacement;
            }
        }
        return true;
    }

private:
    Iconv iconv_;
    std::string buffer_;
};

std::unique_ptr<CodePageDecoder> platformDecoder(int codePage) {
    // Whether a code page is single-byte, and its table, never change: probe each once.
    static std::mutex mutex;
    static std::map<int, std::optional<std::array<char16_t, 256>>> tables;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto known = tables.find(codePage);
        if (known != tables.end()) {
            if (known->second)
                return std::make_unique<TableDecoder>(*known->second);
            return std::make_unique<IconvDecoder>(codePage);
        }
    }
    auto decoder = std::make_unique<IconvDecoder>(codePage);
    std::array<char16_t, 256> table{};
    const bool singleByte = decoder->singleByteTable(table);
    const std::lock_guard<std::mutex> lock(mutex);
    tables[codePage] = singleByte ? std::optional(table) : std::nullopt;
    if (singleByte)
        return std::make_unique<TableDecoder>(table);
    return decoder;
}

std::string platformEncode(std::u16string_view text, int codePage) {
    Iconv iconv(iconvName(codePage), "UTF-16LE", codePage);
    const std::string utf16 = encodeUtf16(text);
    std::string out;
    int error = 0;
    if (!iconv.convert(utf16.data(), utf16.size(), out, error))
        unrepresentable(codePage);
    return out;
}

#endif

int resolve(int codePage) {
    return codePage == 0 ? SystemAnsiCodePage() : codePage;
}

} // namespace

std::unique_ptr<CodePageDecoder> CodePageDecoder::create(int codePage) {
    codePage = resolve(codePage);
    if (codePage == kCodePageUtf8)
        return std::make_unique<Utf8Decoder>();
    if (codePage == kCodePageUtf16)
        return std::make_unique<Utf16Decoder>();
    if (codePage == 1252) {
        static const std::array<char16_t, 256> table = table1252();
        return std::make_unique<TableDecoder>(table);
    }
    if (keepsShiftState(codePage) || codePage <= 0)
        unavailable(codePage);
    return platformDecoder(codePage);
}

std::string EncodeForCodePage(std::u16string_view text, int codePage) {
    codePage = resolve(codePage);
    if (codePage == kCodePageUtf8)
        return encodeUtf8Strict(text);
    if (codePage == kCodePageUtf16)
        return encodeUtf16(text);
    if (codePage == 1252)
        return encode1252(text, codePage);
    if (keepsShiftState(codePage) || codePage <= 0)
        unavailable(codePage);
    return platformEncode(text, codePage);
}

} // namespace baritemp
