#include "sound/MciInterpreter.h"

#include "platform/core/HeldWait.h"
#include "platform/core/PathResolver.h"
#include "sound/MidiRenderer.h"
#include "sound/WaveDecoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <climits>
#include <future>

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
constexpr int WaitMarginMs = 2000;

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
    return m_devices.contains(key(alias));
}

bool MciInterpreter::isPlaying(const QString& alias) {
    return isOpen(alias) && engine().isPlaying(key(alias));
}

int MciInterpreter::send(const QString& command) {
    const MciCommand cmd = MciCommand::parse(command);
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

std::shared_ptr<const PcmBuffer> MciInterpreter::decode(const QString& path,
                                                        MciCommand::DeviceType type) {
    const int rate = engine().sampleRate();
    MidiRenderer* midi = nullptr;
    if (type != MciCommand::DeviceType::WaveAudio) {
        if (!m_midi) m_midi = std::make_unique<MidiRenderer>(rate);
        midi = m_midi.get();
    }
    // Decoding runs beside the GUI thread: a long MIDI tune takes a second or more to render,
    // and the windows must keep painting meanwhile. As "open ... wait" promises, the
    // caller still waits for it, with the user's input held.
    std::future<std::shared_ptr<const PcmBuffer>> result =
        std::async(std::launch::async, [path, type, rate, midi] {
            return type == MciCommand::DeviceType::WaveAudio ? WaveDecoder::decode(path, rate)
                                                             : midi->render(path);
        });
    constexpr auto QuickDecode = std::chrono::milliseconds(30);
    if (result.wait_for(QuickDecode) != std::future_status::ready && QCoreApplication::instance()) {
        HeldWait::until(
            [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    }
    return result.get();
}

int MciInterpreter::open(const MciCommand& cmd) {
    // Without an alias the device is addressed by the name it was opened with.
    const QString alias = cmd.alias.isEmpty() ? cmd.device : cmd.alias;
    if (m_devices.contains(key(alias))) return DuplicateAlias;
    const QString path = PathResolver::resolve(cmd.device);
    const MciCommand::DeviceType type =
        cmd.type == MciCommand::DeviceType::None ? typeFromExtension(path) : cmd.type;
    if (type == MciCommand::DeviceType::Other) return CannotLoadDriver;
    if (!QFileInfo(path).isFile()) return FileNotFound;

    std::shared_ptr<const PcmBuffer> pcm = decode(path, type);
    if (!pcm) return InvalidFile;
    m_devices.insert(key(alias), Device{type, std::move(pcm)});
    return Ok;
}

int MciInterpreter::play(const MciCommand& cmd) {
    const auto it = m_devices.constFind(key(cmd.device));
    if (it == m_devices.constEnd()) return InvalidDeviceName;
    const std::shared_ptr<const PcmBuffer> pcm = it->pcm;
    const int rate = engine().sampleRate();
    const std::size_t startFrame = std::size_t(cmd.fromMs) * std::size_t(rate) / 1000;
    if (startFrame > pcm->frames()) return OutOfRange;

    const QString voice = key(cmd.device);
    engine().play(voice, pcm, startFrame);
    if (cmd.wait) {
        const qint64 lengthMs = qint64((pcm->frames() - startFrame) * 1000 / std::size_t(rate));
        // The alias is looked up afresh on each check: a handler run meanwhile may close it.
        HeldWait::until([this, voice] { return !isPlaying(voice); },
                        int(std::min<qint64>(lengthMs + WaitMarginMs, INT_MAX)));
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
        for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
            engine().stop(it.key());
        m_devices.clear();
        return Ok;
    }
    const QString k = key(cmd.device);
    if (!m_devices.contains(k)) return InvalidDeviceName;
    engine().stop(k);
    m_devices.remove(k);
    return Ok;
}

int mciSendString(const QString& command) {
    return MciInterpreter::instance().send(command);
}
