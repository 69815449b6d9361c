// Makes the two answer sounds: suoni/si.wav (right answer: a short bright rising chime) and
// suoni/no.wav (wrong answer: a soft low falling tone). 16-bit PCM, mono, 22050 Hz.
// Build-time tool: make_sounds OUTPUT_FOLDER

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// One note: a sine with some of its octave, a short attack and an exponential decay.
struct Note {
  double start;      // seconds
  double frequency;  // Hz at the start
  double glideTo;    // Hz at the end of the sound (same as frequency for a steady note)
  double amplitude;  // of the fundamental, 0..1
  double attack;     // seconds
  double decay;      // time constant of the exponential decay, seconds
  double harmonic;   // amplitude of the octave relative to the fundamental
};

std::vector<double> Render(const std::vector<Note>& notes, double length, double fadeOut) {
  const int count = static_cast<int>(length * kRate);
  std::vector<double> out(count, 0.0);
  for (const Note& n : notes) {
    double phase = 0.0;
    const int first = static_cast<int>(n.start * kRate);
    for (int i = first; i < count; ++i) {
      const double t = static_cast<double>(i - first) / kRate;
      const double progress = t / (length - n.start);
      const double frequency = n.frequency + (n.glideTo - n.frequency) * progress;
      phase += 2.0 * kPi * frequency / kRate;
      double envelope = t < n.attack ? 0.5 - 0.5 * std::cos(kPi * t / n.attack) : 1.0;
      envelope *= std::exp(-t / n.decay);
      out[i] += n.amplitude * envelope * (std::sin(phase) + n.harmonic * std::sin(2.0 * phase));
    }
  }
  // A smooth end so the sound does not stop with a click.
  const int fade = static_cast<int>(fadeOut * kRate);
  for (int i = 0; i < fade && i < count; ++i) {
    const double x = static_cast<double>(i) / fade;
    out[count - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * x);
  }
  return out;
}

void PutU32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void PutU16(std::string& b, std::uint16_t v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>((v >> 8) & 0xFF));
}

bool WriteWav(const std::filesystem::path& path, const std::vector<double>& samples, double peak) {
  double highest = 0.0;
  for (double s : samples) highest = std::max(highest, std::abs(s));
  const double scale = highest > 0.0 ? peak * 32767.0 / highest : 0.0;

  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string b;
  b.append("RIFF");
  PutU32(b, 36 + dataBytes);
  b.append("WAVE");
  b.append("fmt ");
  PutU32(b, 16);        // size of the fmt chunk
  PutU16(b, 1);         // PCM
  PutU16(b, 1);         // mono
  PutU32(b, kRate);     // sample rate
  PutU32(b, kRate * 2); // bytes per second
  PutU16(b, 2);         // bytes per sample frame
  PutU16(b, 16);        // bits per sample
  b.append("data");
  PutU32(b, dataBytes);
  for (double s : samples) {
    const long v = std::lround(std::clamp(s * scale, -32767.0, 32767.0));
    PutU16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }

  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(b.data(), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);

  // Right answer: C6, E6, G6 struck one after the other, each ringing on under the next.
  const std::vector<double> si = Render(
      {
          {0.00, 1046.50, 1046.50, 0.55, 0.006, 0.16, 0.25},
          {0.09, 1318.51, 1318.51, 0.50, 0.006, 0.15, 0.22},
          {0.18, 1567.98, 1567.98, 0.60, 0.006, 0.14, 0.20},
      },
      0.45, 0.04);

  // Wrong answer: a mellow low tone that sinks slightly, with a slow attack and soft ending.
  const std::vector<double> no = Render(
      {
          {0.00, 233.08, 196.00, 0.70, 0.030, 0.22, 0.15},
      },
      0.40, 0.08);

  const bool ok = WriteWav(folder / "si.wav", si, 0.55) && WriteWav(folder / "no.wav", no, 0.45);
  if (!ok) {
    std::fprintf(stderr, "make_sounds: cannot write into %s\n", folder.string().c_str());
    return 1;
  }
  return 0;
}
