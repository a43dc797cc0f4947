#include "app/options/PlgInHost.h"

#include "app/options/CrossMark.h"
#include "app/options/PreviewPage.h"
#include "app/options/frmOption.h"
#include "panel/PreviewArea.h"
#include "panel/PreviewPicture.h"

#include <QMessageBox>
#include <QPushButton>

PlgInHost::PlgInHost(frmOption& dialog, PreviewArea& panelPreview)
    : QObject(&dialog), m_dialog(dialog), m_panelPreview(panelPreview) {
    PreviewPage& page = *dialog.preview;
    page.Command11->setText(QString());
    page.Command11->setIcon(CrossMark::icon());
    page.Command1->setEnabled(true);
    page.Command11->setEnabled(true);
    connect(page.Command1, &QPushButton::clicked, this, [this] { PlgIn::Command1_Click(*this); });
    connect(page.Command11, &QPushButton::clicked, this, [this] { PlgIn::Command11_Click(*this); });
    dialog.loadPlugin = [this](const QString& path) {
        qint32 result = 0;
        PlgIn::SetPlgin(path, result, *this);
    };
    errorBox = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, &m_dialog);
        box.exec();
    };
}

void PlgInHost::setCapabilityLines(const QStringList& lines) {
    m_dialog.preview->setCapabilityLines(lines);
}

QTextEdit* PlgInHost::commentBox() {
    return m_dialog.preview->txtPlginComment;
}

void PlgInHost::setPluginPath(const QString& path) {
    m_dialog.preview->setPluginPath(path);
}

void PlgInHost::setPreviewSize(int widthTwips, int heightTwips) {
    m_panelPreview.picSeirikenPrev->setSizeTwips(widthTwips, heightTwips);
}

QComboBox* PlgInHost::companyList() {
    return m_panelPreview.Combo1;
}

QString PlgInHost::pickFile(const QString& filter, const QString& title) {
    return m_dialog.preview->pickFile(filter, title);
}

void PlgInHost::showError(const QString& title, const QString& text) {
    if (errorBox) errorBox(title, text);
}
