#pragma once
// "録画": records the route on the panel from its current stop, as an automatic ride, into a
// video file, with the choices of `k41tool record` (seconds per stop, scale, frames per
// second, key colour). The recording runs in a k41tool process of its own, on the settings
// as they are now, so K41 stays usable meanwhile; a progress bar follows it and "中止" ends
// it (the unfinished file is removed).
#include "panel/PanelExtras.h"

#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class frmCtl;

class RecordWindow : public QDialog, public RecordingOpener {
    Q_OBJECT
  public:
    // `saveSettings` writes the settings as they are now to the path it is given.
    RecordWindow(frmCtl& panel, std::function<void(const QString&)> saveSettings);
    ~RecordWindow() override;

    void openRecording() override;

    // The k41tool that records; found beside the program (or one folder over, in a build
    // tree) unless set.
    QString toolPath;

    QLineEdit* outPath = nullptr;        // "recordOut"
    QSpinBox* secondsBox = nullptr;      // "recordSeconds"
    QDoubleSpinBox* scaleBox = nullptr;  // "recordScale"
    QSpinBox* fpsBox = nullptr;          // "recordFps"
    QCheckBox* keyBox = nullptr;         // "recordKey"
    QLineEdit* keyColour = nullptr;      // "recordKeyColour", RRGGBB
    QProgressBar* progress = nullptr;    // "recordProgress"
    QLabel* status = nullptr;            // "recordStatus"
    QPushButton* startButton = nullptr;  // "recordStart"
    QPushButton* cancelButton = nullptr; // "recordCancel"

    // Starts recording with the choices shown.
    void start();
    bool recording() const { return m_process.state() != QProcess::NotRunning; }

  signals:
    void finished(bool ok);

  protected:
    void reject() override;

  private:
    void browse();
    void readProgress();
    void ended(int exitCode, QProcess::ExitStatus status);
    void setBusy(bool busy);
    QString findTool() const;

    frmCtl& m_panel;
    std::function<void(const QString&)> m_saveSettings;
    QProcess m_process;
    std::unique_ptr<QTemporaryDir> m_work;
    bool m_cancelled = false;
    bool m_outExisted = false;
};
