#include "app/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace korvex {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand for the
// control characters of the same number, as Windows itself reads them, so they survive a round
// trip.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

char32_t fromWindows1252(unsigned char byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// The code point starting at text[i], advancing i past it; kInvalid for one byte that does not
// start a well-formed UTF-8 sequence.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t extra;
    char32_t c;
    char32_t lowest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07, lowest = 0x10000;
    } else {
        return kInvalid;
    }
    std::size_t j = i;
    for (std::size_t k = 0; k < extra; ++k, ++j) {
        if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80) {
            return kInvalid;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kInvalid;
    }
    i = j;
    return c;
}

void appendLine(std::string& bytes, std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == '\r' || line[i] == '\n') {
            const bool crLf = line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n';
            i += crLf ? 2 : 1;
            bytes += ' ';
            continue;
        }
        const char32_t c = nextCodePoint(line, i);
        const auto byte = c == kInvalid ? std::nullopt : windows1252Byte(c);
        bytes += byte ? static_cast<char>(*byte) : '?';
    }
    bytes += "\r\n";
}

std::size_t failAfterBytes = 0;
bool faultActive = false;

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

// A C library call that failed without saying why still failed.
int lastError() {
    return errno != 0 ? errno : EIO;
}

[[noreturn]] void failWriting(const std::string& path, const std::string& reason) {
    throw FileError("The file " + path + " could not be written: " + reason + ".");
}

std::filesystem::path temporaryPathBeside(const std::filesystem::path& target, int attempt) {
    return target.parent_path() /
           ("~" + target.filename().string() + "." + std::to_string(attempt) + ".tmp");
}

} // namespace

std::string textFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        appendLine(bytes, line);
    }
    return bytes;
}

std::vector<std::string> textFileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    TextLines source(bytes);
    while (std::optional<std::string> line = source.next()) {
        lines.push_back(std::move(*line));
    }
    return lines;
}

std::optional<std::string> TextLines::next() {
    if (pos_ >= bytes_.size()) {
        return std::nullopt;
    }
    std::string line;
    // At least one byte of text for each byte of the file: grown once, not character by character.
    line.reserve(std::min(bytes_.find_first_of("\r\n", pos_), bytes_.size()) - pos_);
    while (pos_ < bytes_.size()) {
        const char b = bytes_[pos_++];
        if (b == '\r' || b == '\n') {
            if (b == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                ++pos_;
            }
            break;
        }
        appendUtf8(line, fromWindows1252(static_cast<unsigned char>(b)));
    }
    ++count_;
    return line;
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.filename().empty()) {
        failWriting(path, "no file name was given");
    }
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    // A file the user made read-only is not replaced behind his back.
    if (!ec && fs::is_regular_file(existing) &&
        (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
        failWriting(path, reasonOf(EACCES));
    }
    fs::path temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 100 && file == nullptr; ++attempt) {
        temporary = temporaryPathBeside(target, attempt);
        // "x": never open a file that is already there, such as the leftover of a crashed save.
        file = std::fopen(temporary.string().c_str(), "wbx");
        if (file == nullptr && errno != EEXIST) {
            failWriting(path, reasonOf(lastError()));
        }
    }
    if (file == nullptr) {
        failWriting(path, reasonOf(EEXIST));
    }

    int error = 0;
    errno = 0;
    std::size_t allowed = bytes.size();
    if (faultActive && failAfterBytes < allowed) {
        allowed = failAfterBytes;
    }
    const bool written = std::fwrite(bytes.data(), 1, allowed, file) == allowed;
    // A write cut short by the injected fault stands for a full disk.
    if (written && allowed < bytes.size()) {
        error = ENOSPC;
    } else if (!written || std::fflush(file) != 0) {
        error = lastError();
    }
#if defined(__unix__) || defined(__APPLE__)
    // Renaming a file whose data is still in the cache can leave an empty file after a power cut.
    if (error == 0 && ::fsync(::fileno(file)) != 0) {
        error = lastError();
    }
#endif
    if (std::fclose(file) != 0 && error == 0) {
        error = lastError();
    }
    if (error == 0 && faultActive) {
        error = EIO;
    }
    if (error == 0) {
        // The replaced file keeps who may read and write it.
        if (fs::is_regular_file(existing)) {
            fs::permissions(temporary, existing.permissions(), ec);
        }
        ec.clear();
        fs::rename(temporary, target, ec);
        if (ec) {
            error = ec.value();
        }
    }
    if (error != 0) {
        fs::remove(temporary, ec);
        failWriting(path, reasonOf(error));
    }
}

void writeTextFile(const std::string& path, const std::vector<std::string>& lines) {
    writeFileReplacing(path, textFileBytes(lines));
}

std::string readFileBytes(const std::string& path) {
    auto fail = [&](int error) {
        throw FileError("The file " + path + " could not be read: " + reasonOf(error) + ".");
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        fail(EISDIR);
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(errno != 0 ? errno : ENOENT);
    }
    // Reserved at once, so that a large file costs its size and not twice that while growing.
    std::string bytes;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        fail(EIO);
    }
    return bytes;
}

std::vector<std::string> readTextFile(const std::string& path) {
    return textFileLines(readFileBytes(path));
}

ScopedWriteFault ScopedWriteFault::afterBytes(std::size_t bytes) {
    return ScopedWriteFault(bytes);
}

ScopedWriteFault ScopedWriteFault::beforeRename() {
    return ScopedWriteFault(static_cast<std::size_t>(-1));
}

ScopedWriteFault::ScopedWriteFault(std::size_t bytes) {
    failAfterBytes = bytes;
    faultActive = true;
}

ScopedWriteFault::~ScopedWriteFault() {
    faultActive = false;
}

} // namespace korvex
