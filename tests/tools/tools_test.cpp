// What the build-time tools lay beside the program: the manual fosku.pdf and the two answer
// sounds suoni/si.wav (right) and suoni/no.wav (wrong).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_dirs.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path Runtime(const std::string& relative) { return fs::path(testsupport::RuntimeDir()) / relative; }

// Page objects of a PDF: "/Type /Page" not followed by "s" (that one is the page tree).
int CountPageObjects(const std::string& pdf) {
  int pages = 0;
  const std::string key = "/Type /Page";
  for (size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
    const size_t next = at + key.size();
    if (next < pdf.size() && pdf[next] != 's') ++pages;
  }
  return pages;
}

// The number after "/Count" in the page tree, or -1.
int PageTreeCount(const std::string& pdf) {
  const size_t at = pdf.find("/Count ");
  if (at == std::string::npos) return -1;
  return std::atoi(pdf.c_str() + at + 7);
}

TEST(Manual, IsAPdfOfSeveralPages) {
  const fs::path pdfPath = Runtime("fosku.pdf");
  ASSERT_TRUE(fs::exists(pdfPath)) << pdfPath;
  const std::string pdf = ReadBytes(pdfPath);
  ASSERT_GE(pdf.size(), 5u);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos) << "the file is cut short";

  const int pages = CountPageObjects(pdf);
  EXPECT_GE(pages, 4) << "the manual is too short: a failed render gives one empty page";
  EXPECT_LE(pages, 10) << "the manual runs far longer than it should: broken page layout?";
  EXPECT_EQ(PageTreeCount(pdf), pages);
}

TEST(Manual, PagesAreA4) {
  const std::string pdf = ReadBytes(Runtime("fosku.pdf"));
  // A4 is 595 x 842 points; every page carries its own media box [x0 y0 x1 y1].
  const std::string key = "/MediaBox [";
  int boxes = 0;
  for (size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
    const char* p = pdf.c_str() + at + key.size();
    double v[4];
    for (double& x : v) {
      char* end = nullptr;
      x = std::strtod(p, &end);
      p = end;
    }
    EXPECT_NEAR(v[2] - v[0], 595.0, 1.0);
    EXPECT_NEAR(v[3] - v[1], 842.0, 1.0);
    ++boxes;
  }
  EXPECT_EQ(boxes, CountPageObjects(pdf));
}

// The text of one page of the PDF as pdftotext reads it (what a copy, a search or a screen
// reader meets), its lines without the blank ones and without the page number at the foot.
std::vector<std::string> PageText(const fs::path& pdf, int page) {
  const std::string command = "pdftotext -q -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" +
                              pdf.string() + "' -";
  std::vector<std::string> lines;
  FILE* out = ::popen(command.c_str(), "r");
  if (out == nullptr) return lines;
  std::string line;
  for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out)) {
    if (c != '\n' && c != '\f') {
      line += static_cast<char>(c);
      continue;
    }
    if (line.find_first_not_of(' ') != std::string::npos && line.rfind("Fosku – pagina", 0) != 0) lines.push_back(line);
    line.clear();
  }
  ::pclose(out);
  return lines;
}

// Each line of the manual is on one page only, and a path stands whole on one line, so that
// copying it gives a path that works; so does an ending («-ettero»), never broken after its hyphen.
TEST(Manual, ItsTextReadsOnceAndPathsWhole) {
  const fs::path pdf = Runtime("fosku.pdf");
  const int pages = PageTreeCount(ReadBytes(pdf));
  ASSERT_GE(pages, 4);
  std::vector<std::vector<std::string>> testo;
  for (int p = 1; p <= pages; ++p) testo.push_back(PageText(pdf, p));
  ASSERT_FALSE(testo[0].empty()) << "pdftotext (poppler-utils) reads no text";
  std::string tutto;
  for (int p = 0; p + 1 < pages; ++p) {
    SCOPED_TRACE("pages " + std::to_string(p + 1) + " and " + std::to_string(p + 2));
    const auto& foot = testo[static_cast<size_t>(p)];
    const auto& head = testo[static_cast<size_t>(p) + 1];
    ASSERT_GE(foot.size(), 3u);
    ASSERT_GE(head.size(), 3u);
    for (size_t i = foot.size() - 3; i < foot.size(); ++i) {
      for (size_t j = 0; j < 3; ++j) EXPECT_NE(foot[i], head[j]) << "at the foot of one page and the top of the next";
    }
  }
  for (const auto& pagina : testo) {
    for (const auto& riga : pagina) tutto += riga + "\n";
  }
  for (const char* percorso : {"~/.config/ImpostazioniProgrammiOlmea/Fosku/fosku.INI",
                               "$XDG_CONFIG_HOME/ImpostazioniProgrammiOlmea/Fosku/fosku.INI",
                               "C:\\ImpostazioniProgrammiOlmea\\Fosku\\fosku.INI", "-ettero (temei"}) {
    EXPECT_NE(tutto.find(percorso), std::string::npos) << percorso << " is not whole on one line";
  }
}

TEST(Manual, IsRenderedAgainWhenItsSourceChanges) {
  const fs::path source = fs::path(FOSKU_SOURCE_DIR) / "docs" / "manuale" / "manuale.html";
  const fs::path pdf = Runtime("fosku.pdf");
  ASSERT_TRUE(fs::exists(source));
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_GE(fs::last_write_time(pdf), fs::last_write_time(source))
      << "fosku.pdf is older than manuale.html: the build does not follow the source";
}

// A RIFF/WAVE file read chunk by chunk.
struct Wave {
  std::string error;  // empty when the file is well formed
  int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
  std::vector<std::int16_t> samples;

  double Seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0.0; }
};

std::uint32_t U32(const std::string& b, size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
         static_cast<std::uint8_t>(b[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string& b, size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                    static_cast<std::uint8_t>(b[at + 1]) << 8);
}

Wave ReadWave(const fs::path& path) {
  Wave w;
  const std::string b = ReadBytes(path);
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
    w.error = "no RIFF/WAVE header";
    return w;
  }
  if (U32(b, 4) != b.size() - 8) {
    w.error = "RIFF size " + std::to_string(U32(b, 4)) + " for a file of " + std::to_string(b.size());
    return w;
  }
  bool haveFormat = false, haveData = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = U32(b, at + 4);
    const size_t body = at + 8;
    if (body + size > b.size()) {
      w.error = "chunk " + id + " runs past the end of the file";
      return w;
    }
    if (id == "fmt ") {
      if (size < 16) {
        w.error = "fmt chunk too short";
        return w;
      }
      w.format = U16(b, body);
      w.channels = U16(b, body + 2);
      w.rate = static_cast<int>(U32(b, body + 4));
      w.byteRate = static_cast<int>(U32(b, body + 8));
      w.blockAlign = U16(b, body + 12);
      w.bits = U16(b, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        w.error = "data chunk before the fmt chunk";
        return w;
      }
      for (size_t i = 0; i + 1 < size; i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(U16(b, body + i)));
      }
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) w.error = "fmt or data chunk missing";
  return w;
}

// The frequency that dominates samples [from, to): half the zero crossings per second.
double ZeroCrossingFrequency(const Wave& w, size_t from, size_t to) {
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) {
    if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) ++crossings;
  }
  return crossings / 2.0 / (static_cast<double>(to - from) / w.rate);
}

class Sound : public ::testing::TestWithParam<const char*> {
 protected:
  Wave Load() const { return ReadWave(Runtime(std::string("suoni/") + GetParam())); }
};

TEST_P(Sound, IsMonoSixteenBitPcm) {
  ASSERT_TRUE(fs::exists(Runtime(std::string("suoni/") + GetParam())));
  const Wave w = Load();
  ASSERT_EQ(w.error, "");
  EXPECT_EQ(w.format, 1) << "not PCM";
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  EXPECT_EQ(w.rate, 22050);
  EXPECT_EQ(w.blockAlign, 2);
  EXPECT_EQ(w.byteRate, w.rate * w.blockAlign);
}

TEST_P(Sound, IsShort) {
  const Wave w = Load();
  ASSERT_EQ(w.error, "");
  EXPECT_GE(w.Seconds(), 0.2);
  EXPECT_LE(w.Seconds(), 1.0);
}

TEST_P(Sound, IsAudibleWithoutClipping) {
  const Wave w = Load();
  ASSERT_EQ(w.error, "");
  ASSERT_FALSE(w.samples.empty());
  int peak = 0;
  int atLimit = 0;
  double energy = 0.0;
  for (std::int16_t s : w.samples) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
    if (s >= 32767 || s <= -32767) ++atLimit;
    energy += static_cast<double>(s) * s;
  }
  const double rms = std::sqrt(energy / w.samples.size());
  EXPECT_GE(peak, 32767 / 5) << "too quiet to be heard in a classroom";
  EXPECT_LE(peak, 32767 * 9 / 10) << "too loud";
  EXPECT_EQ(atLimit, 0) << "clipped samples";
  EXPECT_GE(rms, 32767 * 0.05);
}

TEST_P(Sound, StartsAndEndsWithoutAClick) {
  const Wave w = Load();
  ASSERT_EQ(w.error, "");
  ASSERT_GE(w.samples.size(), 2u);
  EXPECT_LE(std::abs(static_cast<int>(w.samples.front())), 328);
  EXPECT_LE(std::abs(static_cast<int>(w.samples.back())), 328);
}

INSTANTIATE_TEST_SUITE_P(Answers, Sound, ::testing::Values("si.wav", "no.wav"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(0, 2);
                         });

TEST(Sounds, RightIsBrightAndWrongIsLow) {
  const Wave si = ReadWave(Runtime("suoni/si.wav"));
  const Wave no = ReadWave(Runtime("suoni/no.wav"));
  ASSERT_EQ(si.error, "");
  ASSERT_EQ(no.error, "");
  const double bright = ZeroCrossingFrequency(si, 0, si.samples.size());
  const double low = ZeroCrossingFrequency(no, 0, no.samples.size());
  EXPECT_GT(bright, 700.0);
  EXPECT_LT(bright, 3000.0);
  EXPECT_GT(low, 100.0);
  EXPECT_LT(low, 400.0);
  EXPECT_GT(bright, 3.0 * low) << "the two sounds are too alike";
}

TEST(Sounds, RightRisesAndWrongDoesNot) {
  const Wave si = ReadWave(Runtime("suoni/si.wav"));
  const Wave no = ReadWave(Runtime("suoni/no.wav"));
  ASSERT_EQ(si.error, "");
  ASSERT_EQ(no.error, "");
  const size_t q = si.samples.size() / 4;
  EXPECT_GT(ZeroCrossingFrequency(si, 3 * q, si.samples.size()),
            1.2 * ZeroCrossingFrequency(si, 0, q));
  const size_t r = no.samples.size() / 4;
  EXPECT_LE(ZeroCrossingFrequency(no, 3 * r, no.samples.size()),
            ZeroCrossingFrequency(no, 0, r));
}

}  // namespace
