#include "tape/mdlM_Tape.h"

#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"

#include <exception>

const QString mdlM_Tape::UnsupportedOs = QStringLiteral("Windows Vista");

namespace {

const QString Usable = QStringLiteral("音合使用可");
const QString Unusable = QStringLiteral("音合使用不可");

// The sound chosen by a record's sound flag 1, 2 or 3; none for any other value.
QString byFlag(const TapePreSound& pre, qint16 flag) {
    return flag >= 1 && flag <= 3 ? pre.byFlag[size_t(flag - 1)] : QString();
}

} // namespace

mdlM_Tape::mdlM_Tape(TapeHost& host) : m_host(host) {}

mdlM_Tape::~mdlM_Tape() = default;

bool mdlM_Tape::unsupportedOs() const {
    return m_host.osInfo() == UnsupportedOs;
}

void mdlM_Tape::TapeInit() {
    if (!unsupportedOs()) {
        try {
            m_voice = m_host.createSpeech();
        } catch (const std::exception&) {
            m_voice.reset();
        }
    }
    m_enabled = m_voice != nullptr;
    m_host.setGroupCaption(m_enabled ? Usable : Unusable);
    m_host.setGroupEnabled(m_enabled);
}

// The user's readings for the route's announcements. A table that cannot be read leaves the
// names to the dictionary, as without one; the announcements themselves are unaffected.
static ReadingTable routeReadings(const QString& folder, const QString& route) {
    try {
        return ReadingTable::load(folder, route);
    } catch (const K41Error& e) {
        qWarning("%s", qPrintable(e.description()));
        return ReadingTable();
    }
}

void mdlM_Tape::TapeLoad(const QString& folder, const QString& route) {
    if (unsupportedOs()) return;
    try {
        std::vector<TapeRec> records =
            TapeFile::parse(TapeFile::readFile(TapeFile::pathFor(folder, route)));
        if (records.empty())
            throw K41Error(K41Error::InputPastEnd, QStringLiteral("放送用データに行がありません"));
        m_data = std::move(records);
        m_index = 0;
        m_loaded = true;
        if (m_voice)
            m_voice->setReadings(routeReadings(folder, route),
                                 PathResolver::resolve(folder + ReadingTable::commonFileName()));
        if (m_enabled) {
            m_host.setGroupEnabled(true);
            m_host.setButtonsEnabled(true);
        }
    } catch (const std::exception&) {
        // Missing, unreadable, too large, without a line, or no memory for it: not reported.
        m_loaded = false;
        m_host.setGroupEnabled(false);
    }
}

void mdlM_Tape::TapeNext() {
    ++m_index;
    if (m_index > TapeCount()) {
        m_index = TapeCount();
        return;
    }
    const TapePreSound pre = m_host.preSound();
    const QString sound = pre.always ? pre.file : byFlag(pre, TapeSoundFlag(m_index));
    if (!sound.isEmpty()) m_host.playSound(sound, QStringLiteral("S3"), pre.sync ? -1 : 0);
    TapeSpeak(m_index);
}

void mdlM_Tape::TapeBack() {
    --m_index;
    if (m_index < 1) {
        m_index = 1;
        return;
    }
    // Stepping back always chooses by the record's flag, on the fare sound's channel.
    const TapePreSound pre = m_host.preSound();
    const QString sound = byFlag(pre, TapeSoundFlag(m_index));
    if (!sound.isEmpty()) m_host.playSound(sound, QStringLiteral("S2"), pre.sync ? -1 : 0);
    TapeSpeak(m_index);
}

void mdlM_Tape::TapeSpeak(qint32 index) {
    // A synchronous sound before the speech lets events run; the component may be gone by now.
    if (!m_voice || index < 1 || index > TapeCount()) return;
    m_voice->stop();
    m_voice->speak(record(index).Text);
    if (m_voice->status() == SpeechEngine::Failed) m_voice->stop();
}

qint16 mdlM_Tape::TapeMoveFlag(qint32 index) const {
    return index >= 1 && index <= TapeCount() ? record(index).MoveFlag : 0;
}

qint16 mdlM_Tape::TapeSoundFlag(qint32 index) const {
    return index >= 1 && index <= TapeCount() ? record(index).SoundFlag : 0;
}

void mdlM_Tape::TapeStop() {
    if (m_voice) m_voice->stop();
}

void mdlM_Tape::TapeAdjust() {
    if (m_voice) m_voice->settingsDialog(m_host.ownerWindow(), QStringLiteral("音声の調節"));
}

void mdlM_Tape::TapeRelease() {
    m_voice.reset();
}

void mdlM_Tape::cmdTapeNext_Click() {
    TapeNext();
    if (TapeMoveFlag(m_index) == 1) m_host.dataForward();
}

void mdlM_Tape::cmdTapeBack_Click() {
    TapeBack();
    if (TapeMoveFlag(m_index) == 1) m_host.dataBack();
}

void mdlM_Tape::cmdTapeStop_Click() {
    TapeStop();
}

void mdlM_Tape::cmdTapeSet_Click() {
    TapeAdjust();
}

void mdlM_Tape::displayCleared(bool cleared) {
    m_host.setGroupEnabled(!cleared && usable());
}
