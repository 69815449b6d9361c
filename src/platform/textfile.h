// Sequential text files as the program's data and settings files are written: single-byte
// Windows-1252 text with CR LF line ends. A data file a teacher saved in UTF-8 reads as well.
// In memory every string is UTF-8.
#pragma once

#include <cstddef>
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
// True when every character of the UTF-8 text has a byte in Windows-1252.
bool FitsCp1252(std::string_view utf8);
// A data file's bytes to UTF-8, line by line (a teacher may append lines in UTF-8 to a file saved
// in Windows-1252, or the other way round): a line that is well-formed UTF-8 and holds a
// character beyond ASCII is UTF-8; any other line is Windows-1252. A byte-order mark at the
// start is left out. Accented letters in Windows-1252 are never well-formed UTF-8 but in
// contrived cases ("Ã¨" alone reads as "è").
std::string DecodeText(std::string_view bytes);

// Splits decoded text into items the way a sequential "read field" does: an item ends at a
// comma or at the end of its line; blanks and tabs before it are skipped; an item that begins
// with a double quote (straight or typographic, “ ”) runs to the quote that closes it: the first
// quote, of any of the three, that a comma or the line's end follows (blanks aside). Commas
// before it do not end the item, and any other quote is the item's own text (direct speech in a
// quoted sentence). An item whose quote is never closed ends with its line, and keeps its
// opening quote when the text holds a quote it pairs with. Blanks at the end of an unquoted
// item are dropped. An empty line is an empty item; the line end after the last item adds none.
// CR LF, LF alone and a missing last line end all read the same.
// With `doubledQuotes`, only straight quotes quote an item and two side by side inside it stand
// for one (the settings file writes names that way); data files read without it.
std::vector<std::string> SplitFields(std::string_view text, bool doubledQuotes = false);
// Splits decoded text into whole lines (without their line ends); a final line end adds no line.
std::vector<std::string> SplitLines(std::string_view text);

// What a reader takes from a file at most. A file larger than `maxBytes` reads as unreadable; a
// line longer than `maxLine` characters (0: no bound) is left out as if it were not there.
struct ReadBounds {
  std::size_t maxBytes;
  std::size_t maxLine;
};
// The exercise data: no list comes near 16 MiB, no sentence near 2,000 characters.
inline constexpr ReadBounds kDataFile{std::size_t{16} << 20, 2000};
// The settings file: eleven short lines.
inline constexpr ReadBounds kSettingsFile{std::size_t{64} << 10, 0};

// Whole-file readers. std::nullopt when the path is not a plain file (a folder, a pipe, a
// device), cannot be opened, or holds more than the bound; reading never waits on a pipe.
// ReadFields and ReadLines read data files: decoded by DecodeText, each line without the blanks
// and tabs at its end, then parted into fields or lines. (The settings file is Windows-1252
// only: its reader decodes ReadFileBytes itself.)
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = kDataFile.maxBytes);
std::optional<std::vector<std::string>> ReadFields(const std::string& path, ReadBounds bounds = kDataFile);
std::optional<std::vector<std::string>> ReadLines(const std::string& path, ReadBounds bounds = kDataFile);

// Writes each line followed by CR LF, encoded as Windows-1252. Returns false when the file
// cannot be created or fully written.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

// Saves the lines over `path` so that a failure, a kill or a power cut leaves either the old file
// or the new one, whole: they go to a temporary file beside the file (platform/savefile.h: a
// stale one of ours is replaced, a stray entry in its way is left alone), which is flushed and
// renamed over it, the folder flushed before and after; the file keeps its permissions. Only a
// plain file of the user who runs the program is replaced, or a new one made where nothing
// stands: a symbolic link is written through when the file it ends at is such a file, and
// anything else (a device, a pipe, another user's file, a link to nothing) is left untouched. So
// is a file the user cannot read (it was never read, and holds what the user set) and one the
// user has made read-only. When the folder refuses the temporary file or the rename but the file
// itself is writable, the file is rewritten in place instead. Returns false when nothing could be
// saved; `reason` then says why, in Italian (an empty path: the user has no folder of their own).
bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines,
                          std::string* reason = nullptr);

}  // namespace platform
