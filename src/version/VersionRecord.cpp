#include "VersionRecord.h"

#include "TextCodec.h"

namespace baritemp {

namespace versionblock {

namespace {

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void align4(std::string& out) {
    while (out.size() % 4 != 0)
        out += '\0';
}

} // namespace

std::string text(const std::u16string& value) {
    std::string out;
    for (const char16_t c : value)
        put16(out, c);
    put16(out, 0);
    return out;
}

std::string block(const std::u16string& key, std::uint16_t type, std::uint16_t valueLength,
                  const std::string& value, const std::vector<std::string>& children) {
    std::string out(6, '\0');
    out += text(key);
    align4(out);
    out += value;
    for (const std::string& child : children) {
        align4(out);
        out += child;
    }
    std::string header;
    put16(header, static_cast<std::uint32_t>(out.size()));
    put16(header, valueLength);
    put16(header, type);
    out.replace(0, 6, header);
    return out;
}

std::string fixedFileInfo(const std::uint16_t version[4]) {
    std::string out;
    const std::uint32_t high = (std::uint32_t{version[0]} << 16) | version[1];
    const std::uint32_t low = (std::uint32_t{version[2]} << 16) | version[3];
    put32(out, 0xFEEF04BD); // signature
    put32(out, 0x00010000); // structure version
    put32(out, high);       // file version
    put32(out, low);
    put32(out, high); // product version
    put32(out, low);
    put32(out, 0x3F); // flags mask
    put32(out, 0);    // flags
    put32(out, 4);    // 32-bit Windows
    put32(out, 1);    // application
    put32(out, 0);    // subtype
    put32(out, 0);    // date
    put32(out, 0);
    return out;
}

} // namespace versionblock

std::string BuildVersionRecord(const VersionRecordValues& values) {
    using namespace versionblock;
    std::vector<std::string> entries;
    for (const auto& [name, value] : values.strings) {
        const std::u16string v = FromUtf8(value);
        entries.push_back(
            block(FromUtf8(name), 1, static_cast<std::uint16_t>(v.size() + 1), text(v), {}));
    }
    const std::string table = block(FromUtf8(values.tableKey), 1, 0, {}, entries);
    const std::string stringFileInfo = block(u"StringFileInfo", 1, 0, {}, {table});
    std::string translation;
    translation += static_cast<char>(values.language & 0xFF);
    translation += static_cast<char>(values.language >> 8);
    translation += static_cast<char>(values.codePage & 0xFF);
    translation += static_cast<char>(values.codePage >> 8);
    const std::string var = block(u"Translation", 0, 4, translation, {});
    const std::string varFileInfo = block(u"VarFileInfo", 1, 0, {}, {var});
    return block(u"VS_VERSION_INFO", 0, 52, fixedFileInfo(values.version),
                 {stringFileInfo, varFileInfo});
}

} // namespace baritemp
