// The right and wrong sounds and the random colour of the exercise windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ModuloColoriSuoni {

// Plays "\suoni\si.wav" (right) or "\suoni\no.wav" (wrong) without waiting, only when the
// sound switch is on. A missing file or a machine without audio stays silent.
void SuonoGiusto();
void SuonoSbagliato();

// A colour (&H00BBGGRR) drawn from a table of eighteen: one draw of the random generator.
std::int32_t ColoreCasuale();

// The sound player: the real one plays through the audio device; tests record the calls.
using SoundPlayer = std::function<void(const std::string& path)>;
void SetSoundPlayer(SoundPlayer player);  // empty: the real player
void PlayThroughAudioDevice(const std::string& path);

}  // namespace ModuloColoriSuoni
