#include "platform/textfile.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

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

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

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
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (size_t k = 0; k < kHigh.size(); ++k) {
      if (kHigh[k] != 0 && kHigh[k] == cp) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

std::vector<std::string> SplitFields(std::string_view t) {
  std::vector<std::string> items;
  size_t i = 0;
  while (i < t.size()) {  // the end-of-file test comes before every item
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    std::string item;
    if (i < t.size() && t[i] == '"') {
      ++i;
      while (i < t.size() && t[i] != '"') item += t[i++];
      if (i < t.size()) ++i;  // the closing quote
      while (i < t.size() && t[i] != ',' && !IsLineEnd(t[i])) ++i;
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

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::string>> ReadFields(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitFields(DecodeCp1252(*bytes));
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(DecodeCp1252(*bytes));
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

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temp = path + ".tmp";
  if (!WriteLines(temp, lines)) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace platform
