#include "FileVersionInfo.h"

#include "TextCodec.h"
#include "VersionResource.h"

#include <cstdio>
#include <filesystem>

namespace baritemp {

namespace {

[[noreturn]] void noVersionInformation() {
    throw VersionInfoError("File contains no version information");
}

std::size_t align4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

// One block of the record. Every read is checked against the block's bounds: a damaged record
// is "no version information", never a read past the buffer.
struct Block {
    std::size_t start = 0;
    std::size_t end = 0; // start + length
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    std::u16string key;
    std::size_t valueStart = 0;
    std::size_t childrenStart = 0;
};

class BlockReader {
public:
    explicit BlockReader(const std::string& data) : data_(data) {}

    std::uint16_t word(std::size_t at) const {
        if (at + 2 > data_.size())
            noVersionInformation();
        return static_cast<std::uint16_t>(static_cast<unsigned char>(data_[at]) |
                                          (static_cast<unsigned char>(data_[at + 1]) << 8));
    }

    std::uint32_t dword(std::size_t at) const {
        return word(at) | (static_cast<std::uint32_t>(word(at + 2)) << 16);
    }

    Block read(std::size_t at, std::size_t limit) const {
        Block b;
        b.start = at;
        const std::uint16_t length = word(at);
        b.valueLength = word(at + 2);
        b.type = word(at + 4);
        if (length < 6 || at + length > limit)
            noVersionInformation();
        b.end = at + length;
        std::size_t p = at + 6;
        for (;; p += 2) {
            if (p + 2 > b.end)
                noVersionInformation(); // key without its terminating zero
            const char16_t c = word(p);
            if (c == 0)
                break;
            b.key += c;
        }
        b.valueStart = align4(p + 2);
        const std::size_t valueBytes = b.type == 1 ? 2u * b.valueLength : b.valueLength;
        b.childrenStart = align4(b.valueStart + valueBytes);
        return b;
    }

    // UTF-16 text of up to `chars` characters from `at`, within `end`, cut at the first zero.
    std::u16string text(std::size_t at, std::size_t chars, std::size_t end) const {
        std::u16string out;
        for (std::size_t i = 0; i < chars && at + 2 * i + 2 <= end; ++i) {
            const char16_t c = word(at + 2 * i);
            if (c == 0)
                break;
            out += c;
        }
        return out;
    }

    // Children of a block, each starting on a 4-byte boundary.
    template <typename F>
    void forEachChild(const Block& parent, F&& f) const {
        for (std::size_t p = parent.childrenStart; p + 6 <= parent.end; p = align4(p)) {
            const Block child = read(p, parent.end);
            if (!f(child))
                return;
            p = child.end;
        }
    }

private:
    const std::string& data_;
};

std::u16string hexDigitsOfKey(std::u16string key) {
    for (std::size_t at; (at = key.find(u"0x")) != std::u16string::npos;)
        key.erase(at, 2);
    std::u16string digits;
    for (const char16_t c : key) {
        if (HexDigitValue(c) >= 0)
            digits += c;
    }
    return digits;
}

std::uint16_t hexNumber(std::u16string_view digits) {
    std::uint16_t n = 0;
    for (const char16_t c : digits)
        n = static_cast<std::uint16_t>(n * 16 + HexDigitValue(c));
    return n;
}

} // namespace

FileVersionInfo::FileVersionInfo(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::u8path(path), error))
        throw VersionInfoError("The file " + path + " does not exist");
    const std::optional<std::string> block = ReadVersionResource(path);
    if (!block || block->empty())
        noVersionInformation();
    parse(*block);
}

FileVersionInfo FileVersionInfo::fromBlock(const std::string& block) {
    FileVersionInfo info;
    info.parse(block);
    return info;
}

void FileVersionInfo::parse(const std::string& data) {
    const BlockReader reader(data);
    const Block root = reader.read(0, data.size());
    if (!EqualIgnoringAsciiCase(root.key, u"VS_VERSION_INFO") || root.valueLength != 52 ||
        reader.dword(root.valueStart) != 0xFEEF04BD)
        noVersionInformation();

    int tableNumber = 0;
    reader.forEachChild(root, [&](const Block& child) {
        if (EqualIgnoringAsciiCase(child.key, u"StringFileInfo")) {
            reader.forEachChild(child, [&](const Block& table) {
                const std::u16string digits = hexDigitsOfKey(table.key);
                if (digits.size() != 8 || table.valueLength != 0)
                    noVersionInformation();
                languages_.emplace_back(hexNumber(std::u16string_view(digits).substr(0, 4)),
                                        hexNumber(std::u16string_view(digits).substr(4)));
                reader.forEachChild(table, [&](const Block& entry) {
                    std::u16string value;
                    if (entry.type == 1) {
                        value = reader.text(entry.valueStart, entry.valueLength, entry.end);
                    } else if (entry.type == 0) {
                        if (entry.valueLength >= 1 && entry.valueLength <= 4) {
                            if (entry.valueStart + entry.valueLength > entry.end)
                                noVersionInformation();
                            std::uint32_t n = 0;
                            for (int i = entry.valueLength - 1; i >= 0; --i)
                                n = (n << 8) |
                                    static_cast<unsigned char>(
                                        data[entry.valueStart + static_cast<std::size_t>(i)]);
                            char hex[16];
                            std::snprintf(hex, sizeof hex, "$%0*X", 2 * entry.valueLength, n);
                            value = FromUtf8(hex);
                        } else {
                            value =
                                reader.text(entry.valueStart, entry.valueLength / 2u, entry.end);
                        }
                    } else {
                        noVersionInformation();
                    }
                    entries_.emplace_back(tableNumber, ToUtf8(entry.key + u"=" + value));
                    return true;
                });
                ++tableNumber;
                return true;
            });
            return true;
        }
        if (EqualIgnoringAsciiCase(child.key, u"VarFileInfo")) {
            reader.forEachChild(child, [&](const Block& var) {
                if (EqualIgnoringAsciiCase(var.key, u"Translation")) {
                    for (std::size_t i = 0; i + 4 <= var.valueLength; i += 4)
                        translations_.emplace_back(reader.word(var.valueStart + i),
                                                   reader.word(var.valueStart + i + 2));
                }
                return false; // only the first child
            });
            return true;
        }
        return false; // any other key ends the reading
    });

    for (const auto& [table, entry] : entries_) {
        if (table == languageIndex())
            items_.push_back(entry);
    }
}

std::string FileVersionInfo::value(const std::string& name) const {
    const std::u16string wanted = FromUtf8(name);
    for (const std::string& item : items_) {
        const std::u16string entry = FromUtf8(item);
        const std::size_t equals = entry.find(u'=');
        if (EqualIgnoringAsciiCase(std::u16string_view(entry).substr(0, equals), wanted))
            return ToUtf8(std::u16string_view(entry).substr(equals + 1));
    }
    return {};
}

} // namespace baritemp
