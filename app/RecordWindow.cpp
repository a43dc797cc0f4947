#include "app/RecordWindow.h"

#include "panel/frmCtl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

RecordWindow::RecordWindow(frmCtl& panel, std::function<void(const QString&)> saveSettings)
    : QDialog(&panel), m_panel(panel), m_saveSettings(std::move(saveSettings)) {
    setObjectName(QStringLiteral("RecordWindow"));
    setWindowTitle(QStringLiteral("録画"));

    const auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    outPath = new QLineEdit(QDir::home().filePath(QStringLiteral("k41-ride.webm")), this);
    named(outPath, "recordOut");
    auto* browseButton = new QPushButton(QStringLiteral("参照(&B)..."), this);
    connect(browseButton, &QPushButton::clicked, this, &RecordWindow::browse);
    auto* outRow = new QHBoxLayout;
    outRow->addWidget(outPath, 1);
    outRow->addWidget(browseButton);

    secondsBox = new QSpinBox(this);
    named(secondsBox, "recordSeconds");
    secondsBox->setRange(1, 3600);
    secondsBox->setValue(8);
    secondsBox->setSuffix(QStringLiteral(" 秒"));
    scaleBox = new QDoubleSpinBox(this);
    named(scaleBox, "recordScale");
    scaleBox->setRange(0.25, 8);
    scaleBox->setSingleStep(0.5);
    scaleBox->setValue(1);
    scaleBox->setSuffix(QStringLiteral(" 倍"));
    fpsBox = new QSpinBox(this);
    named(fpsBox, "recordFps");
    fpsBox->setRange(1, 120);
    fpsBox->setValue(30);
    keyBox = new QCheckBox(QStringLiteral("周りをキー色で塗る(&K)"), this);
    named(keyBox, "recordKey");
    keyColour = new QLineEdit(QStringLiteral("00FF00"), this);
    named(keyColour, "recordKeyColour");
    keyColour->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{6}")), keyColour));
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(keyBox);
    keyRow->addWidget(keyColour);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("出力(&O):"), outRow);
    form->addRow(QStringLiteral("停留所ごとの秒数(&S):"), secondsBox);
    form->addRow(QStringLiteral("倍率(&Z):"), scaleBox);
    form->addRow(QStringLiteral("コマ数/秒(&F):"), fpsBox);
    form->addRow(keyRow);

    progress = new QProgressBar(this);
    named(progress, "recordProgress");
    progress->setRange(0, 1000);
    progress->setValue(0);
    status = new QLabel(QStringLiteral(".webm、.mp4、.gif か、フォルダー名 (PNG と WAV)"), this);
    named(status, "recordStatus");
    status->setWordWrap(true);
    startButton = new QPushButton(QStringLiteral("録画開始(&R)"), this);
    named(startButton, "recordStart");
    startButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("中止(&C)"), this);
    named(cancelButton, "recordCancel");
    connect(startButton, &QPushButton::clicked, this, &RecordWindow::start);
    connect(cancelButton, &QPushButton::clicked, this, &RecordWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(progress);
    layout->addWidget(status);
    layout->addLayout(buttons);

    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &RecordWindow::readProgress);
    connect(&m_process, &QProcess::finished, this, &RecordWindow::ended);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            status->setText(QStringLiteral("録画のプログラムを起動できません: %1").arg(toolPath));
            setBusy(false);
        }
    });
    setBusy(false);
}

RecordWindow::~RecordWindow() {
    if (recording()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void RecordWindow::openRecording() {
    show();
    raise();
    activateWindow();
}

QString RecordWindow::findTool() const {
    if (!toolPath.isEmpty()) return toolPath;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("k41tool")),
                                     here.filePath(QStringLiteral("../tools/k41tool"))})
        if (QFileInfo(candidate).isExecutable()) return QDir::cleanPath(candidate);
    return QStandardPaths::findExecutable(QStringLiteral("k41tool"));
}

void RecordWindow::browse() {
    const QString chosen =
        QFileDialog::getSaveFileName(this, QStringLiteral("録画の保存先"), outPath->text(),
                                     QStringLiteral("WebM (*.webm);;MP4 (*.mp4);;GIF (*.gif)"));
    if (!chosen.isEmpty()) outPath->setText(chosen);
}

void RecordWindow::setBusy(bool busy) {
    startButton->setEnabled(!busy);
    cancelButton->setText(busy ? QStringLiteral("中止(&C)") : QStringLiteral("閉じる(&C)"));
    for (QWidget* w : {static_cast<QWidget*>(outPath), static_cast<QWidget*>(secondsBox),
                       static_cast<QWidget*>(scaleBox), static_cast<QWidget*>(fpsBox),
                       static_cast<QWidget*>(keyBox), static_cast<QWidget*>(keyColour)})
        w->setEnabled(!busy);
}

void RecordWindow::start() {
    if (recording()) return;
    const RouteState& route = m_panel.routeState();
    if (route.StopCount <= 0) {
        status->setText(QStringLiteral("系統を設定してから録画してください。"));
        return;
    }
    const QString out = outPath->text().trimmed();
    if (out.isEmpty()) {
        status->setText(QStringLiteral("出力の名前を入れてください。"));
        return;
    }
    if (keyBox->isChecked() && !keyColour->hasAcceptableInput()) {
        status->setText(QStringLiteral("キー色は RRGGBB の 16 進 6 桁で入れてください。"));
        return;
    }
    const QString tool = findTool();
    if (tool.isEmpty()) {
        status->setText(QStringLiteral("録画のプログラム k41tool が見つかりません。"));
        return;
    }
    // The recording rides on the settings as they are now, written where only it reads them.
    m_work = std::make_unique<QTemporaryDir>();
    const QString settings = m_work->filePath(QStringLiteral("K41.in4"));
    try {
        m_saveSettings(settings);
    } catch (const std::exception& e) {
        status->setText(
            QStringLiteral("設定を書き出せません: %1").arg(QString::fromUtf8(e.what())));
        return;
    }
    QStringList args{QStringLiteral("record"),
                     QStringLiteral("--settings"),
                     settings,
                     QStringLiteral("--route"),
                     route.RouteText,
                     QStringLiteral("--section"),
                     QString::number(route.CurStop + 1),
                     QStringLiteral("--seconds-per-stop"),
                     QString::number(secondsBox->value()),
                     QStringLiteral("--scale"),
                     QString::number(scaleBox->value()),
                     QStringLiteral("--fps"),
                     QString::number(fpsBox->value()),
                     QStringLiteral("--progress")};
    if (keyBox->isChecked()) args << QStringLiteral("--key-colour") << keyColour->text();
    args << out;
    m_outExisted = QFileInfo::exists(out);
    m_cancelled = false;
    progress->setValue(0);
    status->setText(QStringLiteral("録画中…"));
    setBusy(true);
    m_process.start(tool, args);
}

void RecordWindow::readProgress() {
    while (m_process.canReadLine()) {
        const QList<QByteArray> parts = m_process.readLine().trimmed().split(' ');
        if (parts.size() != 2) continue;
        const qint64 done = parts[0].toLongLong(), total = parts[1].toLongLong();
        if (total <= 0) continue;
        progress->setValue(int(std::clamp<qint64>(done * 1000 / total, 0, 1000)));
        status->setText(
            QStringLiteral("録画中… %1 / %2 秒").arg(done / 1000).arg((total + 999) / 1000));
    }
}

void RecordWindow::ended(int exitCode, QProcess::ExitStatus exitStatus) {
    setBusy(false);
    m_work.reset();
    const QString out = outPath->text().trimmed();
    const bool ok = !m_cancelled && exitStatus == QProcess::NormalExit && exitCode == 0;
    if (ok) {
        progress->setValue(1000);
        status->setText(QStringLiteral("録画しました: %1").arg(out));
    } else {
        // An unfinished video file is no recording.
        if (!m_outExisted && QFileInfo(out).isFile()) QFile::remove(out);
        const QString why = QString::fromUtf8(m_process.readAllStandardError()).trimmed();
        status->setText(m_cancelled
                            ? QStringLiteral("録画を中止しました。")
                            : QStringLiteral("録画できませんでした。\n%1").arg(why.right(400)));
    }
    emit finished(ok);
}

void RecordWindow::reject() {
    if (recording()) {
        m_cancelled = true;
        m_process.kill();
        return;
    }
    QDialog::reject();
}
