// Prints what the Linux and the Windows builds must agree on, to be compared line for line:
//   crosscheck extended SEED COUNT  bits of COUNT random operations (hash and samples)
//   crosscheck codepages            XML files written and read back in several code pages
//   crosscheck version              the version line from this executable's own record
#include "Extended.h"
#include "FileVersionInfo.h"
#include "TextCodec.h"
#include "VersionResource.h"
#include "XmlDocument.h"
#include "XmlError.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace {

using baritemp::Extended;

// Operands from raw 64-bit outputs only: std::mt19937_64 is the same everywhere, while the
// standard distributions are not.
Extended operand(std::mt19937_64& rng) {
    const std::uint64_t a = rng(), b = rng();
    int field;
    switch (a % 4) {
    case 0:
        field = static_cast<int>(b % 0x7FFF); // anywhere
        break;
    case 1:
        field = 16383 + static_cast<int>(b % 128) - 64; // near 1
        break;
    case 2:
        field = static_cast<int>(b % 80); // subnormal results
        break;
    default:
        field = 0x7FFE - static_cast<int>(b % 80); // overflowing results
    }
    std::uint64_t sig = rng();
    if (a & 16)
        sig &= ~((std::uint64_t{1} << (b % 60)) - 1); // short significands: exact ties
    sig = field == 0 ? (sig >> 1) : (sig | (std::uint64_t{1} << 63));
    return Extended::fromBits(static_cast<std::uint16_t>(((a >> 8) & 1 ? 0x8000 : 0) | field), sig);
}

int extended(std::uint64_t seed, long count) {
    std::mt19937_64 rng(seed);
    std::uint64_t hash = 1469598103934665603u; // FNV-1a over every result and flag
    const auto mix = [&](std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash ^= (v >> (8 * i)) & 0xFF;
            hash *= 1099511628211u;
        }
    };
    for (long i = 0; i < count; ++i) {
        const Extended x = operand(rng), y = operand(rng);
        Extended::clearFlags();
        Extended r;
        switch (i % 4) {
        case 0:
            r = x + y;
            break;
        case 1:
            r = x - y;
            break;
        case 2:
            r = x * y;
            break;
        default:
            r = x / y;
        }
        const double d = r.toDouble();
        std::uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        mix(r.significand());
        mix(r.signExponent());
        mix(bits);
        mix(r.roundToInteger().significand());
        mix(Extended::flags());
        if (i < 8)
            std::printf("%04X:%016" PRIX64 "\n", r.signExponent(), r.significand());
    }
    std::printf("%ld operations, hash %016" PRIX64 "\n", count, hash);
    return 0;
}

std::string hex(const std::string& bytes) {
    std::string out;
    char buffer[4];
    for (const unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", c);
        out += buffer;
    }
    return out;
}

int codepages() {
    const struct {
        const char* charset;
        const char* text; // UTF-8, every character in that code page
    } samples[] = {
        {"Windows-1252", "Café crème, naïve façade – 20 € « ok »"},
        {"windows-1250", "Zażółć gęślą jaźń – Příliš žluťoučký kůň"},
        {"windows-1251", "Съешь же ещё этих мягких французских булок"},
        {"shift_jis", "日本語のテキスト、カタカナとひらがな。"},
        {"utf-8", "Mixed: é, Ж, 日本, 😀"},
        {"utf-16", "Mixed: é, Ж, 日本, 😀"},
    };
    for (const auto& s : samples) {
        baritemp::XmlDocument d;
        d.setRootName(u"Configuration");
        auto declaration = std::make_unique<baritemp::XmlNode>(baritemp::XmlNodeKind::Declaration,
                                                               std::u16string(u"xml"));
        declaration->attributes().push_back({{}, u"encoding", baritemp::FromUtf8(s.charset)});
        d.prolog().push_back(std::move(declaration));
        auto comment = std::make_unique<baritemp::XmlNode>(baritemp::XmlNodeKind::Comment);
        comment->setValue(baritemp::FromUtf8(s.text));
        d.root().appendChild(std::move(comment));
        d.root().findOrCreateChild(u"Value").setValue(baritemp::FromUtf8(s.text));
        try {
            const std::string bytes = d.write();
            std::printf("%s write %s\n", s.charset, hex(bytes).c_str());
            baritemp::XmlDocument back;
            back.read(bytes);
            std::printf("%s read %s | %s\n", s.charset,
                        baritemp::ToUtf8(back.root().children().at(0)->value()).c_str(),
                        baritemp::ToUtf8(back.root().findChild(u"Value")->value()).c_str());
        } catch (const baritemp::XmlError& e) {
            std::printf("%s error %s\n", s.charset, e.what());
        }
        std::fflush(stdout);
    }
    return 0;
}

int version() {
    const std::string path = baritemp::RunningExecutablePath();
    if (!baritemp::HasVersionResource(path)) {
        std::printf("No FileVersion\n");
        return 0;
    }
    const baritemp::FileVersionInfo info(path);
    std::printf("[%s\xC2\xAE %s v%s ]\n", info.companyName().c_str(), info.internalName().c_str(),
                info.fileVersion().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "extended" && argc > 3)
        return extended(std::strtoull(argv[2], nullptr, 10), std::strtol(argv[3], nullptr, 10));
    if (mode == "codepages")
        return codepages();
    if (mode == "version")
        return version();
    std::fprintf(stderr, "usage: %s extended SEED COUNT | codepages | version\n", argv[0]);
    return 2;
}
