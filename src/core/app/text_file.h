#pragma once

// The text files the program writes and reads (the project file, the observation file, the saved
// listing): Windows-1252 on disk, UTF-8 in the program. Files written by the program's earlier
// versions and edited by hand in any editor on the engineers' machines read the same.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// A file that could not be written or read; the text names the file and the reason, ready to be
// shown to the user.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a text file: each line in Windows-1252 and ended by CR LF. A character the code
// page lacks becomes "?", and a line break inside a line (a box typed with several lines) becomes
// one blank, so that every entry stays one line of the file and the line count of a reader holds.
std::string textFileBytes(const std::vector<std::string>& lines);

// The lines of a text file's bytes, read as Windows-1252; a line may end with CR LF, LF or CR,
// and the last line may have no end.
std::vector<std::string> textFileLines(std::string_view bytes);

// The same lines one at a time, so that a reader decodes no more of a file than it reads: what
// follows the part it needs may be of any length.
class TextLines {
public:
    explicit TextLines(std::string_view bytes) : bytes_(bytes) {}

    // The next line, or nothing after the last.
    std::optional<std::string> next();

    // How many lines next has given.
    int count() const { return count_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int count_ = 0;
};

// Writes the bytes to a new file beside the target, flushes it to the disk and renames it over
// the target, so that a full disk or a lost drive never leaves half a file: on failure the target
// is as it was, byte for byte, and a FileError names the file and the reason.
void writeFileReplacing(const std::string& path, std::string_view bytes);

// writeFileReplacing with the lines as textFileBytes writes them.
void writeTextFile(const std::string& path, const std::vector<std::string>& lines);

// The bytes of a file; a FileError when it cannot be read.
std::string readFileBytes(const std::string& path);

// The lines of a text file; a FileError when it cannot be read.
std::vector<std::string> readTextFile(const std::string& path);

// For tests: while it lives, every writeFileReplacing fails as a full disk would, either after the
// given number of bytes has reached the new file or once the new file is complete, just before it
// would replace the target.
class ScopedWriteFault {
public:
    static ScopedWriteFault afterBytes(std::size_t bytes);
    static ScopedWriteFault beforeRename();
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

private:
    explicit ScopedWriteFault(std::size_t failAfterBytes);
};

} // namespace korvex
