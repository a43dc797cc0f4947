#include "app/options/PlgInHost.h"

#include "app/options/CrossMark.h"
#include "app/options/PreviewPage.h"
#include "app/options/frmOption.h"
#include "panel/PreviewArea.h"
#include "panel/PreviewPicture.h"
#include "platform/ZKP4Res.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

PlgInHost::PlgInHost(Settings& store, PreviewArea& panelPreview)
    : m_store(store), m_panelPreview(panelPreview) {
    errorBox = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, m_dialog.data());
        box.exec();
    };
}

void PlgInHost::load(const QString& path) {
    qint32 result = 0;
    PlgIn::SetPlgin(path, result, *this);
    // Without a page the comment has no box to go into: it is read for the page to come.
    if (result != 0 && !m_dialog) {
        m_comment.clear();
        ZKP4Res::ZK4_GetPlgComment(path, m_comment);
    }
}

void PlgInHost::attach(frmOption& dialog) {
    m_dialog = &dialog;
    PreviewPage& page = *dialog.preview;
    page.Command11->setText(QString());
    page.Command11->setIcon(CrossMark::icon());
    page.Command1->setEnabled(true);
    page.Command11->setEnabled(true);
    connect(page.Command1, &QPushButton::clicked, this, [this] { PlgIn::Command1_Click(*this); });
    connect(page.Command11, &QPushButton::clicked, this, [this] { PlgIn::Command11_Click(*this); });
    dialog.loadPlugin = [this](const QString& path) { load(path); };
    if (!m_lines.isEmpty()) page.setCapabilityLines(m_lines);
    if (!m_comment.isEmpty()) page.txtPlginComment->setPlainText(m_comment);
    m_lines.clear();
    m_comment.clear();
}

void PlgInHost::setCapabilityLines(const QStringList& lines) {
    if (m_dialog)
        m_dialog->preview->setCapabilityLines(lines);
    else
        m_lines = lines;
}

QTextEdit* PlgInHost::commentBox() {
    return m_dialog ? m_dialog->preview->txtPlginComment : nullptr;
}

void PlgInHost::setPluginPath(const QString& path) {
    if (m_dialog)
        m_dialog->preview->setPluginPath(path);
    else
        m_store.SeiriPlgFile = path;
}

void PlgInHost::setPreviewSize(int widthTwips, int heightTwips) {
    m_panelPreview.picSeirikenPrev->setSizeTwips(widthTwips, heightTwips);
}

QComboBox* PlgInHost::companyList() {
    return m_panelPreview.Combo1;
}

QString PlgInHost::pickFile(const QString& filter, const QString& title) {
    return m_dialog ? m_dialog->preview->pickFile(filter, title) : QString();
}

void PlgInHost::showError(const QString& title, const QString& text) {
    if (errorBox) errorBox(title, text);
}
