// Sequential text files as the program's data and settings files are written:
// single-byte Windows-1252 text with CR LF line ends. In memory every string is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Windows-1252 bytes to UTF-8. Bytes with no character in the code page (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+FFFD.
std::string DecodeCp1252(std::string_view bytes);
// UTF-8 to Windows-1252 bytes. A character the code page lacks becomes "?".
std::string EncodeCp1252(std::string_view utf8);

// Splits decoded text into items the way a sequential "read field" does: an item ends at a
// comma or at the end of its line; blanks and tabs before it are skipped; an item that begins
// with a double quote runs to the closing quote (commas inside it do not end it) and whatever
// follows up to the next comma or line end is dropped; blanks at the end of an unquoted item
// are dropped. An empty line is an empty item; the line end after the last item adds none.
// CR LF, LF alone and a missing last line end all read the same.
std::vector<std::string> SplitFields(std::string_view text);
// Splits decoded text into whole lines (without their line ends); a final line end adds no line.
std::vector<std::string> SplitLines(std::string_view text);

// Whole-file readers. std::nullopt when the file cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);
std::optional<std::vector<std::string>> ReadFields(const std::string& path);
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Writes each line followed by CR LF, encoded as Windows-1252. Returns false when the file
// cannot be created or fully written.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

// Writes the lines to a temporary file beside `path` and renames it over `path`, so a failed
// write leaves the old file whole. Returns false on any failure (and removes the temporary).
bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
