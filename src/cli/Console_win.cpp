#include "Console.h"

#include "TextCodec.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <iostream>
#include <memory>
#include <streambuf>

namespace baritemp::cli {

namespace {

// UTF-8 to a handle: as bytes to a file or a pipe, as characters to a console (which shows
// them whatever its code page).
class HandleBuffer : public std::streambuf {
public:
    explicit HandleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
        DWORD mode = 0;
        console_ = GetConsoleMode(handle_, &mode) != 0;
        setp(buffer_, buffer_ + sizeof buffer_);
    }
    ~HandleBuffer() override { sync(); }

protected:
    int overflow(int c) override {
        if (sync() != 0)
            return traits_type::eof();
        if (c != traits_type::eof()) {
            *pptr() = static_cast<char>(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        std::string bytes = pending_ + std::string(pbase(), pptr());
        pending_.clear();
        setp(buffer_, buffer_ + sizeof buffer_);
        if (bytes.empty())
            return 0;
        if (!console_) {
            DWORD written = 0;
            return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                             nullptr)
                       ? 0
                       : -1;
        }
        // A character cut at the buffer's end waits for the rest of its bytes.
        std::size_t whole = bytes.size();
        for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const unsigned char c = static_cast<unsigned char>(bytes[bytes.size() - back]);
            if ((c & 0xC0) == 0xC0) { // a lead byte: is its sequence complete?
                const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
                if (back < length)
                    whole = bytes.size() - back;
                break;
            }
            if ((c & 0x80) == 0)
                break;
        }
        pending_ = bytes.substr(whole);
        const std::u16string text = FromUtf8(std::string_view(bytes).substr(0, whole));
        DWORD written = 0;
        return WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written,
                             nullptr)
                   ? 0
                   : -1;
    }

private:
    HANDLE handle_;
    bool console_ = false;
    char buffer_[65536];
    std::string pending_;
};

} // namespace

std::vector<std::string> CommandArguments(int, char**) {
    // Not argv: that is in the ANSI code page, where "°C" or "kg/cm²" may not exist.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(ToUtf8(reinterpret_cast<const char16_t*>(wide[i])));
    LocalFree(wide);
    return arguments;
}

std::istream& StandardInput() {
    _setmode(_fileno(stdin), _O_BINARY); // CR LF stays CR LF
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    return std::cin;
}

std::ostream& StandardOutput() {
    static HandleBuffer buffer(STD_OUTPUT_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

std::ostream& StandardError() {
    static HandleBuffer buffer(STD_ERROR_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

} // namespace baritemp::cli
