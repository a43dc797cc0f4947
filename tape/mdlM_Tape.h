#pragma once
// The announcement link: the broadcast records of the route set last, the current announcement,
// and the speech component. The operation panel's group "音合使用可" steps through the records
// with "送り" and "戻し"; each step may first play a sound and, when the record says so, also
// steps the fare data. No failure of this module is reported to the user: a missing or damaged
// broadcast file disables the group for that route, and a speech component that cannot be
// created keeps the group disabled ("音合使用不可") for the whole run.
#include "tape/TapeFile.h"
#include "tape/TapeHost.h"

#include <memory>
#include <vector>

class mdlM_Tape : private SpeechReady {
  public:
    // The operating system name on which speech is not offered.
    static const QString UnsupportedOs;

    explicit mdlM_Tape(TapeHost& host);
    ~mdlM_Tape() override;
    mdlM_Tape(const mdlM_Tape&) = delete;
    mdlM_Tape& operator=(const mdlM_Tape&) = delete;

    // Creates the speech component and sets the group's caption and enabled state. The
    // component only checks here that its dictionary and voice are installed; loading them
    // is left to TapeLoadVoice, so that the windows need not wait for it.
    void TapeInit();
    // From now on (once the windows are shown), has the speech component load in the
    // background as soon as a route's announcements can be used; should the load fail, the
    // group turns "音合使用不可" and stays disabled for the run.
    void TapeLoadVoice();
    // Reads the broadcast file of `route` from `folder` (separator already added). On success
    // the records are replaced, the index rewinds to 0 and, when speech is available, the group
    // and its buttons are enabled; on failure the group is disabled and the records stay.
    void TapeLoad(const QString& folder, const QString& route);
    // One announcement forward or back, with its sound; nothing at either end.
    void TapeNext();
    void TapeBack();
    // Speaks record `index` (1 to TapeCount).
    void TapeSpeak(qint32 index);
    // The record's flag, 0 when `index` is outside 1 to TapeCount.
    qint16 TapeMoveFlag(qint32 index) const;
    qint16 TapeSoundFlag(qint32 index) const;
    void TapeStop();
    // The voice settings dialog "音声の調節", owned by the panel.
    void TapeAdjust();
    // Lets go of the speech component (at exit).
    void TapeRelease();

    // The group's buttons: "送り", "戻し" (each followed by the fare data step when the
    // current record's move flag is 1, also when the step itself was refused), "■", "調整".
    void cmdTapeNext_Click();
    void cmdTapeBack_Click();
    void cmdTapeStop_Click();
    void cmdTapeSet_Click();

    // The panel's display clear: the group is disabled while the display is cleared, and
    // enabled again afterwards only if the announcements of the current route are usable.
    void displayCleared(bool cleared);

    qint32 TapeCount() const { return qint32(m_data.size()); }
    qint32 TapeIndex() const { return m_index; }
    bool TapeEnabled() const { return m_enabled; }
    // Speech is available and the broadcast file of the route set last was read.
    bool usable() const { return m_enabled && m_loaded; }
    // Record `index` (1 to TapeCount).
    const TapeRec& record(qint32 index) const { return m_data[size_t(index - 1)]; }
    SpeechEngine* TapeVoice() const { return m_voice.get(); }

  private:
    bool unsupportedOs() const;
    void speechReady(bool usable) override;
    void loadVoiceWhenUsable();

    TapeHost& m_host;
    std::vector<TapeRec> m_data;
    qint32 m_index = 0;
    bool m_enabled = false;
    bool m_loaded = false;
    bool m_loadWanted = false; // the windows are shown
    bool m_loadAsked = false;
    std::unique_ptr<SpeechEngine> m_voice;
};
