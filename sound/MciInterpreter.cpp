#include "sound/MciInterpreter.h"

#include "platform/core/HeldWait.h"
#include "platform/core/PathResolver.h"
#include "sound/MidiFile.h"
#include "sound/MidiSynth.h"
#include "sound/Mixer.h"
#include "sound/WaveSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <new>
#include <system_error>

namespace {

QString key(const QString& alias) {
    return alias.toLower();
}

// Without a type word the file's extension chooses the device.
MciCommand::DeviceType typeFromExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav")) return MciCommand::DeviceType::WaveAudio;
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("midi") ||
        suffix == QLatin1String("rmi"))
        return MciCommand::DeviceType::Sequencer;
    return MciCommand::DeviceType::Other;
}

// A synchronous play gives up this long after the sound should have ended, so a stalled
// output device can never hold the windows for good.
constexpr qint64 WaitMarginMs = 2000;

} // namespace

MciInterpreter::MciInterpreter(std::function<std::unique_ptr<AudioEngine>()> engineFactory)
    : m_engineFactory(std::move(engineFactory)) {}

MciInterpreter::~MciInterpreter() = default;

MciInterpreter& MciInterpreter::instance() {
    static MciInterpreter interpreter([] { return AudioEngine::create(); });
    return interpreter;
}

AudioEngine& MciInterpreter::engine() {
    if (!m_engine) m_engine = m_engineFactory();
    return *m_engine;
}

bool MciInterpreter::isOpen(const QString& alias) const {
    return m_devices.count(key(alias)) != 0;
}

bool MciInterpreter::isPlaying(const QString& alias) {
    return isOpen(alias) && engine().isPlaying(key(alias));
}

int MciInterpreter::send(const QString& command) {
    try {
        return run(MciCommand::parse(command));
    } catch (const std::bad_alloc&) {
        // Whatever the command had made so far is let go of by now; the sound simply fails.
        return OutOfMemory;
    } catch (const std::system_error&) {
        // No thread for the output or the font's load.
        return OutOfMemory;
    }
}

int MciInterpreter::run(const MciCommand& cmd) {
    if (cmd.verb == MciCommand::Verb::Unknown) return UnrecognizedCommand;
    if (!cmd.valid) return UnrecognizedKeyword;
    switch (cmd.verb) {
    case MciCommand::Verb::Open:
        return open(cmd);
    case MciCommand::Verb::Play:
        return play(cmd);
    case MciCommand::Verb::Stop:
        return stop(cmd);
    case MciCommand::Verb::Close:
        return close(cmd);
    case MciCommand::Verb::Unknown:
        break;
    }
    return UnrecognizedCommand;
}

std::unique_ptr<AudioSource> MciInterpreter::makeSource(const Device& device, long long startMs,
                                                        SourceError* error) {
    const int rate = engine().sampleRate();
    if (device.type == MciCommand::DeviceType::WaveAudio)
        return WaveSource::open(device.path, rate, startMs, error);
    const QByteArray smf = MidiFile::read(device.path);
    if (smf.isEmpty()) {
        if (error) *error = SourceError::NotSound;
        return nullptr;
    }
    // The font is loaded in the background from start-up; a tune asked for before it is
    // ready waits for it with the windows painting and the user's input held.
    MidiSynth* synth = MidiSynth::instance();
    if (!synth) {
        if (error) *error = SourceError::NotSound;
        return nullptr;
    }
    if (!synth->loaded() && QCoreApplication::instance())
        HeldWait::until([synth] { return synth->loaded(); });
    return synth->open(smf, rate, startMs, error);
}

int MciInterpreter::open(const MciCommand& cmd) {
    // Without an alias the device is addressed by the name it was opened with.
    const QString alias = key(cmd.alias.isEmpty() ? cmd.device : cmd.alias);
    if (isOpen(alias)) return DuplicateAlias;
    Device device;
    device.path = PathResolver::resolve(cmd.device);
    device.type =
        cmd.type == MciCommand::DeviceType::None ? typeFromExtension(device.path) : cmd.type;
    if (device.type == MciCommand::DeviceType::Other) return CannotLoadDriver;
    if (!QFileInfo(device.path).isFile()) return FileNotFound;

    device.ready = makeSource(device, 0, nullptr);
    if (!device.ready) return InvalidFile;
    m_devices.emplace(alias, std::move(device));
    return Ok;
}

int MciInterpreter::play(const MciCommand& cmd) {
    const QString voice = key(cmd.device);
    auto it = m_devices.find(voice);
    if (it == m_devices.end()) return InvalidDeviceName;
    std::unique_ptr<AudioSource> source;
    if (cmd.fromMs == 0 && it->second.ready) {
        source = std::move(it->second.ready);
    } else {
        it->second.ready.reset();
        const Device device{it->second.type, it->second.path, nullptr};
        SourceError error = SourceError::None;
        source = makeSource(device, cmd.fromMs, &error);
        if (!source) return error == SourceError::PastEnd ? OutOfRange : InvalidFile;
        // Making the source may have waited for the SoundFont, running handlers that closed
        // the alias.
        if (!isOpen(voice)) return InvalidDeviceName;
    }
    const long long lengthFrames = source->lengthFrames();
    const int rate = engine().sampleRate();
    engine().play(voice, std::move(source));
    if (cmd.wait) {
        const long long capFrames = (long long)Mixer::MaxPlaySeconds * rate;
        const long long frames = lengthFrames < 0 ? capFrames : std::min(lengthFrames, capFrames);
        const qint64 timeoutMs = frames * 1000 / rate + WaitMarginMs;
        // The alias is looked up afresh on each check: a handler run meanwhile may close it.
        // A stalled device ends the wait too: a tune's length is known only by playing it.
        HeldWait::until([this, voice] { return !isPlaying(voice) || engine().stalled(); },
                        int(std::min<qint64>(timeoutMs, INT_MAX)));
    }
    return Ok;
}

int MciInterpreter::stop(const MciCommand& cmd) {
    if (!isOpen(cmd.device)) return InvalidDeviceName;
    engine().stop(key(cmd.device));
    return Ok;
}

int MciInterpreter::close(const MciCommand& cmd) {
    if (cmd.device.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        for (const auto& [alias, device] : m_devices)
            engine().stop(alias);
        m_devices.clear();
        return Ok;
    }
    const auto it = m_devices.find(key(cmd.device));
    if (it == m_devices.end()) return InvalidDeviceName;
    engine().stop(it->first);
    m_devices.erase(it);
    return Ok;
}

int mciSendString(const QString& command) {
    return MciInterpreter::instance().send(command);
}
