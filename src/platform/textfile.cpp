#include "platform/textfile.h"

#include "platform/paths.h"
#include "platform/savefile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

// Code points of bytes 0x80 to 0x9F; 0 marks a byte the code page leaves undefined.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Reads one code point from UTF-8; a malformed sequence yields U+FFFD and advances one byte.
char32_t NextCodePoint(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return cp;
}

// The Windows-1252 byte of a code point; none when the code page lacks it.
std::optional<char> ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (size_t k = 0; k < kHigh.size(); ++k) {
    if (kHigh[k] != 0 && kHigh[k] == cp) return static_cast<char>(0x80 + k);
  }
  return std::nullopt;
}

// The length of the well-formed UTF-8 sequence that starts at i; 0 when none does (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate, past U+10FFFF).
size_t Utf8Length(std::string_view s, size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  size_t n = 0;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
  } else {
    return 0;
  }
  if (n > s.size() - i) return 0;
  char32_t cp = b0 & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return 0;
  if (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return 0;
  return n;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The length in bytes of the double quote at i: the straight one, or a typographic one (“ ”) that
// an editor types in its place; 0 when there is none.
size_t QuoteAt(std::string_view t, size_t i) {
  if (i < t.size() && t[i] == '"') return 1;
  const std::string_view rest = t.substr(std::min(i, t.size()));
  return rest.starts_with("\xE2\x80\x9C") || rest.starts_with("\xE2\x80\x9D") ? 3 : 0;
}

// Skips one line end (CR LF, CR or LF) at position i, if there is one.
void SkipLineEnd(std::string_view t, size_t& i) {
  if (i < t.size() && t[i] == '\r') ++i;
  if (i < t.size() && t[i] == '\n') ++i;
}

}  // namespace

std::string DecodeCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      const char32_t cp = kHigh[b - 0x80];
      AppendUtf8(out, cp == 0 ? 0xFFFD : cp);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string EncodeCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    out += ByteOf(NextCodePoint(utf8, i)).value_or('?');
  }
  return out;
}

std::string DecodeText(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  // Line by line: a teacher may have appended lines in one encoding to a file saved in the other.
  // Line ends are ASCII, the same in both.
  std::string out;
  out.reserve(bytes.size());
  for (size_t start = 0; start < bytes.size();) {
    size_t end = bytes.find('\n', start);
    end = end == std::string_view::npos ? bytes.size() : end + 1;
    const std::string_view line = bytes.substr(start, end - start);
    bool wellFormed = true, beyondAscii = false;
    for (size_t i = 0; i < line.size() && wellFormed;) {
      const size_t n = Utf8Length(line, i);
      wellFormed = n > 0;
      beyondAscii = beyondAscii || n > 1;
      i += n;
    }
    if (wellFormed && beyondAscii) {
      out.append(line);
    } else {
      out += DecodeCp1252(line);
    }
    start = end;
  }
  return out;
}

bool FitsCp1252(std::string_view utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    // A malformed sequence reads as U+FFFD, which the code page lacks too.
    if (!ByteOf(NextCodePoint(utf8, i))) return false;
  }
  return true;
}

std::vector<std::string> SplitFields(std::string_view t, bool doubledQuotes) {
  std::vector<std::string> items;
  // The settings file quotes with straight quotes alone: a typographic one is a name's own.
  const auto quoteAt = [&](size_t at) { return doubledQuotes ? size_t{at < t.size() && t[at] == '"'} : QuoteAt(t, at); };
  size_t i = 0;
  while (i < t.size()) {  // the end-of-file test comes before every item
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    std::string item;
    if (const size_t opening = quoteAt(i); opening > 0) {
      const std::string_view opener = t.substr(i, opening);
      i += opening;
      bool closed = false, quoteInText = false;
      while (i < t.size() && !IsLineEnd(t[i])) {
        const size_t q = quoteAt(i);
        if (q == 0) {
          item += t[i++];
          continue;
        }
        if (doubledQuotes && t[i] == '"' && i + 1 < t.size() && t[i + 1] == '"') {
          item += '"';
          i += 2;
          continue;
        }
        // A quote closes the item only where a comma or the line's end comes next (blanks
        // aside); any other is the teacher's own text: direct speech inside a quoted sentence.
        size_t next = i + q;
        while (next < t.size() && (t[next] == ' ' || t[next] == '\t')) ++next;
        if (next == t.size() || t[next] == ',' || IsLineEnd(t[next])) {
          i = next;
          closed = true;
          break;
        }
        item.append(t.substr(i, q));
        i += q;
        quoteInText = true;
      }
      // Left open, it ends with its line; when the text holds a quote, the opening one pairs
      // with it («“Vieni qui!” dice la mamma.») and stays.
      if (!closed && quoteInText) item.insert(0, opener);
    } else {
      while (i < t.size() && t[i] != ',' && !IsLineEnd(t[i])) item += t[i++];
      while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    }
    if (i < t.size() && t[i] == ',') {
      ++i;
    } else {
      SkipLineEnd(t, i);
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<std::string> SplitLines(std::string_view t) {
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < t.size()) {
    size_t start = i;
    while (i < t.size() && !IsLineEnd(t[i])) ++i;
    lines.emplace_back(t.substr(start, i - start));
    SkipLineEnd(t, i);
  }
  return lines;
}

namespace {

// A data file's text as its readers take it: decoded, each line without the blanks and tabs at
// its end, the lines longer than `maxLine` characters (0: no bound) left out, each line kept
// ended by LF.
std::optional<std::string> ReadDataText(const std::string& path, ReadBounds bounds) {
  const auto bytes = ReadFileBytes(path, bounds.maxBytes);
  if (!bytes) return std::nullopt;
  const std::string text = DecodeText(*bytes);
  std::string kept;
  kept.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && !IsLineEnd(text[i])) ++i;
    size_t end = i;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    SkipLineEnd(text, i);
    const std::string_view line = std::string_view(text).substr(start, end - start);
    // Characters, not bytes: a UTF-8 continuation byte adds none.
    const auto characters = static_cast<size_t>(std::count_if(
        line.begin(), line.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    if (bounds.maxLine > 0 && characters > bounds.maxLine) continue;
    kept.append(line);
    kept += '\n';
  }
  return kept;
}

#ifndef _WIN32
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the close succeeded (a late write error shows up here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};
#endif

}  // namespace

#ifdef _WIN32
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // Only a plain file is opened at all, and only one within the bound.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > maxBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}
#else
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // Only a plain file is opened at all: a pipe would wait for a writer, a device never ends.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  // Not waiting, should something else have taken its place since.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return std::nullopt;
  std::string bytes;
  bytes.resize(static_cast<size_t>(st.st_size) + 1);
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > maxBytes) return std::nullopt;  // it grew past the bound while read
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  if (got > maxBytes) return std::nullopt;
  bytes.resize(got);
  return bytes;
}
#endif

std::optional<std::vector<std::string>> ReadFields(const std::string& path, ReadBounds bounds) {
  const auto text = ReadDataText(path, bounds);
  if (!text) return std::nullopt;
  return SplitFields(*text);
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path, ReadBounds bounds) {
  const auto text = ReadDataText(path, bounds);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  for (const auto& line : lines) {
    out << EncodeCp1252(line) << "\r\n";
  }
  out.flush();
  return static_cast<bool>(out);
}

namespace {

namespace fs = std::filesystem;

std::string Encoded(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += EncodeCp1252(line) + "\r\n";
  return bytes;
}

std::string Reason(int err, const fs::path& file) { return WriteFailure(err, file.string()); }

// Where a save may go: the path itself or, through a chain of symbolic links, the file the chain
// ends at. Only a plain file of the user who runs the program, which the user can read and has
// not made read-only, is replaced, or a new file made where nothing stands yet at the path;
// anything else is left as it is, and `refusal` says why.
struct SaveTarget {
  fs::path file;
  bool exists = false;
  unsigned mode = 0;  // the existing file's permissions, kept by the save
  int err = 0;        // errno when the path could not even be looked at
  std::string refusal;
};

#ifdef _WIN32
SaveTarget TargetOf(const fs::path& path) {
  SaveTarget t;
  t.file = path;
  std::error_code ec;
  const auto st = fs::status(path, ec);
  if (!fs::exists(st)) return t;
  if (fs::is_directory(st)) {
    t.refusal = Reason(EISDIR, path);
  } else if (!fs::is_regular_file(st)) {
    t.refusal = Reason(EINVAL, path);
  } else if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) {
    t.refusal = "il file è di sola lettura";
  } else {
    t.exists = true;
  }
  return t;
}

// errno-style code of the failure; 0 when the whole file was written and flushed.
int WriteWhole(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return EACCES;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out ? 0 : EIO;
}

int SaveInPlace(const SaveTarget& target, const std::string& bytes) {
  if (!target.exists) return ENOENT;
  return WriteWhole(target.file, bytes);
}
#else
SaveTarget TargetOf(const fs::path& path) {
  SaveTarget t;
  fs::path p = path;
  bool linked = false;
  for (int hop = 0;; ++hop) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) {
      t.file = p;
      if (errno != ENOENT) {
        t.err = errno;
      } else if (linked) {
        t.refusal = "il collegamento simbolico porta a " + p.string() + ", che non esiste";
      }
      return t;
    }
    if (S_ISLNK(st.st_mode)) {
      std::error_code ec;
      const fs::path next = fs::read_symlink(p, ec);
      if (ec || hop == 40) {
        t.refusal = Reason(ELOOP, p);
        return t;
      }
      // A relative target is read from the folder of the link that holds it.
      p = next.is_absolute() ? next : p.parent_path() / next;
      linked = true;
      continue;
    }
    t.file = p;
    const std::string what = linked ? "il collegamento simbolico porta a " + p.string() + ", che " : "";
    if (S_ISDIR(st.st_mode)) {
      t.refusal = linked ? what + "è una cartella" : Reason(EISDIR, p);
    } else if (!S_ISREG(st.st_mode)) {
      t.refusal = linked ? what + "non è un file normale" : Reason(EINVAL, p);
    } else if (st.st_uid != ::geteuid()) {
      t.refusal = linked ? what + "è un file di un altro utente" : "il file è di un altro utente";
    } else if (Descriptor probe(::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
               probe.get() < 0) {
      // A file the user cannot read (mode 000, 200) was never read at start-up: it holds what
      // the user set and it stays, rather than the defaults this run took in its place.
      const std::string why = Reason(errno, p);
      t.refusal = linked ? what + "non si può leggere: " + why : why;
    } else if ((st.st_mode & S_IWUSR) == 0) {
      // Made read-only (444) to keep the fonts as they are.
      t.refusal = linked ? what + "è di sola lettura" : "il file è di sola lettura";
    } else {
      t.exists = true;
      t.mode = st.st_mode & 07777;
    }
    return t;
  }
}

// Over the existing file's own bytes, for a folder that takes no new entry. The file is cut to
// its new length only after the new bytes are in. Returns errno, 0 on success.
int SaveInPlace(const SaveTarget& target, const std::string& bytes) {
  if (!target.exists) return ENOENT;
  Descriptor fd(::open(target.file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
  if (fd.get() < 0) return errno;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return EINVAL;  // something else took its place
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd.get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<size_t>(n);
  }
  if (::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) return errno;
  if (::fsync(fd.get()) != 0) return errno;
  return fd.Close() ? 0 : errno;
}
#endif

// Through a temporary file beside the target, renamed over it. Returns errno, 0 on success.
int SaveThroughTemporary(const SaveTarget& target, const std::string& bytes) {
  const fs::path folder = target.file.has_parent_path() ? target.file.parent_path() : fs::path(".");
  PendingFile temp(folder.string(), target.file.filename().string() + ".tmp");
  temp.Write(bytes.data(), bytes.size());
#ifndef _WIN32
  // The file keeps the permissions it had (a private file stays private).
  if (target.exists && temp.Error() == 0 && ::fchmod(temp.Descriptor(), static_cast<mode_t>(target.mode)) != 0) {
    temp.Fail(errno);
  }
#endif
  return temp.Replace(target.file.string());
}

}  // namespace

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines, std::string* reason) {
  const auto fail = [reason](std::string why) {
    if (reason != nullptr) *reason = std::move(why);
    return false;
  };
  if (path.empty()) return fail("questo utente non ha una cartella personale");
  const std::string bytes = Encoded(lines);
  const SaveTarget target = TargetOf(path);
  if (!target.refusal.empty()) return fail(target.refusal);  // nothing is touched
  if (target.err != 0) return fail(Reason(target.err, target.file));
  int err = SaveThroughTemporary(target, bytes);
  if (err == EACCES || err == EPERM) {
    // The folder is closed to new entries; the file may still be open to writing.
    const int inPlace = SaveInPlace(target, bytes);
    if (inPlace == 0) return true;
    if (inPlace != ENOENT) err = inPlace;
  }
  if (err == 0) return true;
  return fail(Reason(err, target.file));
}

}  // namespace platform
