#include "sound.h"

#include "program_folder.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace media {

bool soundOn = false;

QStringList& effectLog() {
    static QStringList log;
    return log;
}

namespace {

// Opens the audio subsystem for one sound and closes it again, so the sound card is free
// whenever nothing plays.
class AudioSession {
  public:
    AudioSession() {
        // SDL would otherwise install SIGINT/SIGTERM handlers that swallow Ctrl+C and logout.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ok_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~AudioSession() {
        if (ok_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;
    bool ok() const { return ok_; }

  private:
    bool ok_;
};

void playWav(const QByteArray& path) {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.constData(), &spec, &samples, &length))
        return;
    spec.samples = 1024; // a short device buffer: little delay after the sound
    AudioSession session;
    if (session.ok()) {
        const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
        if (device != 0) {
            // One device buffer of silence after the sound, so that the sound's last samples
            // have left the queue when the queue runs empty.
            const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
            const Uint32 bufferBytes = frameBytes * spec.samples;
            std::vector<Uint8> silence(bufferBytes, spec.silence);
            SDL_QueueAudio(device, samples, length);
            SDL_QueueAudio(device, silence.data(), bufferBytes);
            SDL_PauseAudioDevice(device, 0);
            while (SDL_GetQueuedAudioSize(device) > 0)
                SDL_Delay(5);
            // Let the device play the buffer it took last before it is closed.
            SDL_Delay(static_cast<Uint32>(1000u * spec.samples / std::max(spec.freq, 1)) + 10);
            SDL_CloseAudioDevice(device);
        }
    }
    SDL_FreeWAV(samples);
}

} // namespace

void playEffect(const QString& fileName) {
    if (!soundOn)
        return;
    effectLog().append(fileName);
    playWav(mediaPath(fileName).toLocal8Bit());
}

} // namespace media
