#pragma once

#include <QString>
#include <functional>

// Plays a PCM WAV file and returns when it has ended, so the caller (and with it the user interface) waits for the
// sound. A file that cannot be played gives a short beep instead; nothing is reported. Without a sound server the
// call waits the sound's length in silence, and a server that does not answer holds it up at most half a second
// beyond that. File names may use '\' as the stored names do.
void PlaySound(const QString& fileName);

// While a sink is set, PlaySound hands it the name it was given and returns at once. An empty function restores
// playing.
void SetSoundSinkForTesting(std::function<void(const QString& fileName)> sink);
