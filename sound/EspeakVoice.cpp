#include "sound/EspeakVoice.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace EspeakVoice {

namespace {

std::mutex& lock() {
    static std::mutex m;
    return m;
}

bool g_started = false;
int g_rate = 0;     // of the voice loaded
QByteArray g_voice; // the voice espeak-ng has loaded

using Sink = std::function<bool(const short*, int)>;

int callback(short* samples, int count, espeak_EVENT* events) {
    const auto* sink = static_cast<const Sink*>(events ? events->user_data : nullptr);
    if (!sink || !samples || count <= 0) return 0;
    return (*sink)(samples, count) ? 0 : 1; // 1 asks espeak-ng to stop
}

// With the lock held.
bool start() {
    if (g_started) return g_rate > 0;
    g_started = true;
    espeak_ng_InitializePath(nullptr);
    if (espeak_ng_Initialize(nullptr) != ENS_OK) return false;
    // Synchronous: the samples come to the callback on the calling thread, in blocks of 50 ms.
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 50, nullptr) != ENS_OK) return false;
    espeak_SetSynthCallback(&callback);
    g_rate = espeak_ng_GetSampleRate();
    return g_rate > 0;
}

// An MBROLA voice ("mb-" and its database's name) needs the mbrola program and the database.
// espeak-ng tries one by starting the program, and a failed try can leave the synthesiser half
// switched, so that later texts come out silent; a voice whose parts are missing is not tried.
bool mbrolaPartsPresent(const QByteArray& voice) {
    if (!voice.startsWith("mb-")) return true;
    const QString database = QString::fromLatin1(voice.mid(3));
    if (database.isEmpty() || database.contains(QLatin1Char('/')) ||
        QStandardPaths::findExecutable(QStringLiteral("mbrola")).isEmpty())
        return false;
    for (const QString& place :
         {QStringLiteral("/usr/share/mbrola/%1"), QStringLiteral("/usr/share/mbrola/%1/%1"),
          QStringLiteral("/usr/share/mbrola/voices/%1")})
        if (QFileInfo(place.arg(database)).isFile()) return true;
    return false;
}

// With the lock held.
bool select(const QByteArray& voice) {
    if (voice == g_voice) return true;
    if (!mbrolaPartsPresent(voice)) return false;
    if (espeak_ng_SetVoiceByName(voice.constData()) != ENS_OK) return false;
    g_voice = voice;
    // An MBROLA voice changes the rate to its database's.
    g_rate = espeak_ng_GetSampleRate();
    return g_rate > 0;
}

} // namespace

bool installed(const QByteArray& voice) {
    const char* data = nullptr;
    {
        std::lock_guard guard(lock());
        espeak_ng_InitializePath(nullptr); // only finds the data folder
        espeak_Info(&data);
    }
    if (!data || voice.isEmpty() || voice.contains('/')) return false;
    const QDir dir(QString::fromLocal8Bit(data));
    if (!QFileInfo(dir.filePath(QStringLiteral("phontab"))).isFile()) return false;
    // Voices are files named after them, among the languages or the other voices.
    const QString name = QString::fromLocal8Bit(voice);
    for (const QString& folder : {QStringLiteral("lang"), QStringLiteral("voices")}) {
        QDirIterator it(dir.filePath(folder), {name}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext()) return true;
    }
    return false;
}

void preload() {
    std::lock_guard guard(lock());
    espeak_ng_InitializePath(nullptr);
}

bool open(const QByteArray& voice) {
    std::lock_guard guard(lock());
    return start() && select(voice);
}

int sampleRate(const QByteArray& voice) {
    std::lock_guard guard(lock());
    return start() && select(voice) ? g_rate : 0;
}

QList<QByteArray> japaneseVoices(const QByteArray& builtIn) {
    std::lock_guard guard(lock());
    QList<QByteArray> voices;
    if (!start()) return voices;
    const QByteArray loaded = g_voice;
    for (const QByteArray& voice :
         {builtIn, QByteArray("mb-jp1"), QByteArray("mb-jp2"), QByteArray("mb-jp3")}) {
        // espeak-ng loads an MBROLA voice's database when the voice is chosen, and refuses
        // it when the database (or MBROLA itself) is missing.
        if (select(voice)) voices.append(voice);
    }
    // Whatever the tries left behind, the voice in use is loaded afresh.
    g_voice.clear();
    if (!loaded.isEmpty()) select(loaded);
    return voices;
}

QString phonemes(const QString& text, const QByteArray& voice) {
    std::lock_guard guard(lock());
    if (!start()) return QString();
    if (!select(voice)) {
        // A voice that failed to load may leave the synthesiser half switched: the voice
        // that speaks is loaded afresh next time.
        g_voice.clear();
        return QString();
    }
    const QByteArray utf8 = text.toUtf8();
    const void* at = utf8.constData();
    QString out;
    // One clause a call, until the text is used up; bit 1 asks for IPA.
    for (int clauses = 0; at && clauses < 64; ++clauses) {
        const char* clause = espeak_TextToPhonemes(&at, espeakCHARS_UTF8, 0x02);
        if (!clause) break;
        if (!out.isEmpty()) out += u' ';
        out += QString::fromUtf8(clause);
    }
    return out.trimmed();
}

bool synthesize(const QString& text, const QByteArray& voice, const VoiceSettings& settings,
                const Sink& sink) {
    std::lock_guard guard(lock());
    if (!start() || !select(voice)) return false;
    espeak_ng_SetParameter(espeakRATE, settings.rate, 0);
    espeak_ng_SetParameter(espeakPITCH, settings.pitch, 0);
    espeak_ng_SetParameter(espeakVOLUME, settings.volume, 0);
    const QByteArray utf8 = text.toUtf8();
    Sink s = sink;
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, &s);
    return status == ENS_OK;
}

} // namespace EspeakVoice
