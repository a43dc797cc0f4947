#pragma once
// Runs media command strings (see MciCommand) over an audio engine. Each open device is a
// sound file under its alias, parsed and ready to start; playing it starts the engine voice
// of that alias, which decodes the sound as it plays, so a new sound on an alias cuts the old
// one and different aliases sound together. Unknown commands and aliases change nothing and
// only return an error number, which callers may ignore.
#include "sound/AudioEngine.h"
#include "sound/MciCommand.h"
#include "sound/SourceError.h"

#include <functional>
#include <map>
#include <memory>

class MciInterpreter {
  public:
    // Error numbers returned by send(); 0 is success.
    enum Error : int {
        Ok = 0,
        OutOfMemory = 258,
        UnrecognizedKeyword = 259,
        UnrecognizedCommand = 261,
        InvalidDeviceName = 263,
        CannotLoadDriver = 266,
        FileNotFound = 275,
        OutOfRange = 282,
        DuplicateAlias = 289,
        InvalidFile = 296,
    };

    // `engineFactory` is called on the first command that needs sound output, so a program
    // that never plays anything never opens the audio device.
    explicit MciInterpreter(std::function<std::unique_ptr<AudioEngine>()> engineFactory);
    ~MciInterpreter();
    MciInterpreter(const MciInterpreter&) = delete;
    MciInterpreter& operator=(const MciInterpreter&) = delete;

    // Runs one command. "open … wait" returns once the file is parsed and its first block
    // made; "play" returns at once, and "play … wait" when the sound has played to its end,
    // holding user input meanwhile while the windows go on painting. Running out of memory
    // fails the command (OutOfMemory), nothing more.
    int send(const QString& command);

    // True when a device is open under `alias` (aliases ignore case).
    bool isOpen(const QString& alias) const;
    // True while the sound opened under `alias` is still being played out.
    bool isPlaying(const QString& alias);

    AudioEngine& engine();

    // The process-wide interpreter on AudioEngine::create(); destroyed at exit.
    static MciInterpreter& instance();

  private:
    struct Device {
        MciCommand::DeviceType type = MciCommand::DeviceType::None;
        QString path;
        // Made by open, taken by the first play from the start; later plays open the file
        // again.
        std::unique_ptr<AudioSource> ready;
    };

    int run(const MciCommand& cmd);
    int open(const MciCommand& cmd);
    int play(const MciCommand& cmd);
    int stop(const MciCommand& cmd);
    int close(const MciCommand& cmd);
    std::unique_ptr<AudioSource> makeSource(const Device& device, long long startMs,
                                            SourceError* error);

    std::function<std::unique_ptr<AudioEngine>()> m_engineFactory;
    std::unique_ptr<AudioEngine> m_engine;
    std::map<QString, Device> m_devices; // keyed by the alias in lower case
};

// The command interface the sound player speaks: runs `command` on the process-wide
// interpreter and returns its error number (0 on success).
int mciSendString(const QString& command);
