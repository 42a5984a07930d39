// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: sounds play through SDL2, loaded at the first sound.
#include "sound_backend.h"

#include <QFile>
#include <QLibrary>
#include <QtEndian>
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace media {

namespace {

// ALSA writes its complaints (no sound card, no "default" device) straight to the terminal,
// eight lines for every sound; the program stays silent instead, as it does for any sound that
// cannot be played.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(ErrorHandler);
    QLibrary alsa(QStringLiteral("asound"), 2);
    if (auto set = reinterpret_cast<SetHandler>(alsa.resolve("snd_lib_error_set_handler")))
        set(quietAlsa);
}

// SDL is loaded on the first sound, not at program start: its audio back ends pull in many
// libraries, and the splash should not wait for them. Without SDL the program stays silent.
struct Sdl {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_RWFromConstMem) rwFromMemory = nullptr;
    decltype(&SDL_LoadWAV_RW) loadWav = nullptr;
    decltype(&SDL_FreeWAV) freeWav = nullptr;
    decltype(&SDL_OpenAudioDevice) openDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) closeDevice = nullptr;
    decltype(&SDL_QueueAudio) queue = nullptr;
    decltype(&SDL_GetQueuedAudioSize) queuedSize = nullptr;
    decltype(&SDL_PauseAudioDevice) pause = nullptr;
    decltype(&SDL_Delay) delay = nullptr;
    bool ok = false;
};

const Sdl& sdl() {
    static const Sdl loaded = [] {
        Sdl s;
        QLibrary lib(QStringLiteral("SDL2-2.0"), 0);
        if (!lib.load()) {
            lib.setFileName(QStringLiteral("SDL2"));
            if (!lib.load())
                return s;
        }
        auto get = [&lib](auto& f, const char* name) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(lib.resolve(name));
            return f != nullptr;
        };
        s.ok = get(s.setHint, "SDL_SetHint") && get(s.initSubSystem, "SDL_InitSubSystem") &&
               get(s.quitSubSystem, "SDL_QuitSubSystem") &&
               get(s.rwFromMemory, "SDL_RWFromConstMem") && get(s.loadWav, "SDL_LoadWAV_RW") &&
               get(s.freeWav, "SDL_FreeWAV") && get(s.openDevice, "SDL_OpenAudioDevice") &&
               get(s.closeDevice, "SDL_CloseAudioDevice") && get(s.queue, "SDL_QueueAudio") &&
               get(s.queuedSize, "SDL_GetQueuedAudioSize") &&
               get(s.pause, "SDL_PauseAudioDevice") && get(s.delay, "SDL_Delay");
        if (s.ok)
            silenceAlsa();
        return s;
    }();
    return loaded;
}

// Opens the audio subsystem for one sound and closes it again, so the sound card is free
// whenever nothing plays.
class AudioSession {
  public:
    AudioSession() {
        // SDL would otherwise install SIGINT/SIGTERM handlers that swallow Ctrl+C and logout.
        sdl().setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ok_ = sdl().initSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~AudioSession() {
        if (ok_)
            sdl().quitSubSystem(SDL_INIT_AUDIO);
    }
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;
    bool ok() const { return ok_; }

  private:
    bool ok_;
};

// The longest a sound plays: the game waits while it plays, and a sound a player put in its place
// may be a whole song.
constexpr std::uint64_t longestSoundSeconds = 10;
// The lowest sample rate played, the telephone's: the device's buffer of 1024 frames lasts a
// second at 1024 Hz, and SDL waits for one whole buffer when the device closes.
constexpr int lowestRate = 8000;

// Whether every chunk of a WAV file lies within the file. SDL takes the memory that a chunk claims
// before it reads the chunk: a few bytes that claim half a gigabyte would take that for a moment,
// and the little they hold would play in part. Such a file is cut short and is not played, as a
// picture cut short is not shown.
bool chunksWithin(const QByteArray& wav) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return true; // no WAV file: SDL refuses it
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (size > static_cast<quint64>(wav.size() - at - 8))
            return false;
        at += 8 + static_cast<qsizetype>(size) + (size & 1);
    }
    return true;
}

void playWav(const QString& path) {
    const Sdl& f = sdl();
    if (!f.ok)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray wav = file.readAll();
    if (!chunksWithin(wav))
        return;
    SDL_AudioSpec audio{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!f.loadWav(f.rwFromMemory(wav.constData(), static_cast<int>(wav.size())), 1, &audio,
                   &samples, &length))
        return;
    if (audio.freq < lowestRate) {
        f.freeWav(samples);
        return;
    }
    audio.samples = 1024; // a short device buffer: little delay after the sound
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(audio.format) / 8 * audio.channels;
    const std::uint64_t longest =
        longestSoundSeconds * static_cast<std::uint64_t>(audio.freq) * frameBytes;
    length = static_cast<Uint32>(std::min<std::uint64_t>(length, longest));
    AudioSession session;
    if (session.ok()) {
        const SDL_AudioDeviceID device = f.openDevice(nullptr, 0, &audio, nullptr, 0);
        if (device != 0) {
            // One device buffer of silence after the sound, so that the sound's last samples
            // have left the queue when the queue runs empty.
            const Uint32 bufferBytes = frameBytes * audio.samples;
            std::vector<Uint8> silence(bufferBytes, audio.silence);
            f.queue(device, samples, length);
            f.queue(device, silence.data(), bufferBytes);
            f.pause(device, 0);
            while (f.queuedSize(device) > 0)
                f.delay(5);
            // Let the device play the buffer it took last before it is closed.
            f.delay(static_cast<Uint32>(1000u * audio.samples / std::max(audio.freq, 1)) + 10);
            f.closeDevice(device);
        }
    }
    f.freeWav(samples);
}

} // namespace

void playSoundFile(const QString& path) {
    playWav(path);
}

} // namespace media
