#include "VersionResource.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#ifdef _WIN32
#include "TextCodec.h"
#include <windows.h>
#else
#include <filesystem>
#endif

namespace baritemp {

#ifdef _WIN32

namespace {

std::optional<std::string> readFromFile(const std::string& path) {
    const std::u16string wide = FromUtf8(path);
    const auto* name = reinterpret_cast<const wchar_t*>(wide.c_str());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &handle);
    if (size == 0)
        return std::nullopt;
    std::string block(size, '\0');
    if (!GetFileVersionInfoW(name, 0, size, block.data()))
        return std::nullopt;
    return block;
}

} // namespace

std::string RunningExecutablePath() {
    std::wstring buffer(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return ToUtf8(std::u16string(buffer.begin(), buffer.end()));
}

#else

namespace {

// Reads fixed-size little- or big-endian fields of an ELF file, every read checked.
class ElfFile {
public:
    explicit ElfFile(const std::string& path) : in_(path, std::ios::binary) {
        in_.seekg(0, std::ios::end);
        size_ = in_ ? static_cast<std::uint64_t>(in_.tellg()) : 0;
    }

    bool bytes(std::uint64_t at, std::uint64_t count, std::string& out) {
        if (at > size_ || count > size_ - at || count > (std::uint64_t{1} << 30))
            return false;
        out.assign(static_cast<std::size_t>(count), '\0');
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(at));
        in_.read(out.data(), static_cast<std::streamsize>(count));
        return static_cast<bool>(in_);
    }

    bool number(std::uint64_t at, int width, std::uint64_t& value) {
        std::string raw;
        if (!bytes(at, static_cast<std::uint64_t>(width), raw))
            return false;
        value = 0;
        for (int i = 0; i < width; ++i) {
            const int index = bigEndian ? i : width - 1 - i;
            value = (value << 8) | static_cast<unsigned char>(raw[static_cast<std::size_t>(index)]);
        }
        return true;
    }

    bool bigEndian = false;

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
};

std::optional<std::string> readFromFile(const std::string& path) {
    ElfFile elf(path);
    std::string ident;
    if (!elf.bytes(0, 16, ident) || ident.compare(0, 4,
                                                  "\x7F"
                                                  "ELF") != 0)
        return std::nullopt;
    const bool wide = ident[4] == 2; // ELFCLASS64
    elf.bigEndian = ident[5] == 2;
    const int address = wide ? 8 : 4;
    std::uint64_t shoff, shentsize, shnum, shstrndx;
    if (!elf.number(wide ? 0x28 : 0x20, address, shoff) ||
        !elf.number(wide ? 0x3A : 0x2E, 2, shentsize) ||
        !elf.number(wide ? 0x3C : 0x30, 2, shnum) || !elf.number(wide ? 0x3E : 0x32, 2, shstrndx))
        return std::nullopt;
    if (shstrndx >= shnum || shentsize < (wide ? 64u : 40u))
        return std::nullopt;
    // Section header fields: name (4), type (4), flags, addr, offset, size.
    const auto section = [&](std::uint64_t index, std::uint64_t& name, std::uint64_t& offset,
                             std::uint64_t& size) {
        const std::uint64_t at = shoff + index * shentsize;
        return elf.number(at, 4, name) && elf.number(at + (wide ? 0x18 : 0x10), address, offset) &&
               elf.number(at + (wide ? 0x20 : 0x14), address, size);
    };
    std::uint64_t ignored, namesOffset, namesSize;
    if (!section(shstrndx, ignored, namesOffset, namesSize))
        return std::nullopt;
    std::string names;
    if (!elf.bytes(namesOffset, namesSize, names))
        return std::nullopt;
    for (std::uint64_t i = 0; i < shnum; ++i) {
        std::uint64_t name, offset, size;
        if (!section(i, name, offset, size) || name >= names.size())
            continue;
        if (std::strcmp(names.c_str() + name, kVersionSectionName) != 0)
            continue;
        std::string block;
        if (size == 0 || !elf.bytes(offset, size, block))
            return std::nullopt;
        return block;
    }
    return std::nullopt;
}

} // namespace

std::string RunningExecutablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

#endif

std::optional<std::string> ReadVersionResource(const std::string& path) {
    // The running executable's record cannot change while it runs: read once, however many
    // of the program's parts ask for it (start-up, splash, caption, banner).
    static const std::string running = RunningExecutablePath();
    if (path == running) {
        static const std::optional<std::string> record = readFromFile(running);
        return record;
    }
    return readFromFile(path);
}

bool HasVersionResource(const std::string& path) {
    const auto block = ReadVersionResource(path);
    return block && !block->empty();
}

} // namespace baritemp
