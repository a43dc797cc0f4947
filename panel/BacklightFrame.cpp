#include "panel/BacklightFrame.h"

#include "backlight/Backlight.h"
#include "panel/BoardControl.h"
#include "panel/PanelWidgets.h"
#include "platform/ChoiceButton.h"
#include "platform/core/Twips.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

BacklightFrame::BacklightFrame(QWidget* panel, const Settings& settings, BoardControl& board)
    : QGroupBox(QStringLiteral("バックライト"), panel), m_settings(settings), m_board(board) {
    setObjectName(QStringLiteral("Frame2"));
    setStyleSheet(PanelWidgets::groupStyle());
    setGeometry(Twips::toPixels(3465, 60, 1695, 720));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const QString captions[3] = {QStringLiteral("OFF"), QStringLiteral("ON1"),
                                 QStringLiteral("ON2")};
    const QString colours[3] = {QStringLiteral("black"), QStringLiteral("red"),
                                QStringLiteral("blue")};
    const int lefts[3] = {75, 615, 1140};
    for (int i = 0; i < 3; ++i) {
        auto* b = PanelWidgets::makeButton(this, QStringLiteral("Option4(%1)").arg(i), captions[i],
                                           QRect(lefts[i], 330, 510, 330));
        b->setCheckable(true);
        b->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(colours[i]));
        group->addButton(b, i);
        Option4[size_t(i)] = b;
    }
    Option4[0]->setChecked(true);
    // Every choice runs, also a click on the button already down: it reads a changed picture
    // again.
    for (int i = 0; i < 3; ++i)
        ChoiceButton::onChosen(Option4[size_t(i)], this, [this, i] { Option4_Click(i); });
}

int BacklightFrame::selected() const {
    for (int i = 0; i < 3; ++i)
        if (Option4[size_t(i)]->isChecked()) return i;
    return 0;
}

void BacklightFrame::Option4_Click(int Index) {
    apply(Index, false);
}

void BacklightFrame::apply(int Index, bool fromSettings) {
    const Backlight::Outcome o = Backlight::decide(m_settings, Index, m_board.pictureArea());
    if (o.picture == Backlight::Outcome::Picture::Builtin)
        m_board.setPicture(m_board.builtinPicture(o.state));
    else if (o.picture == Backlight::Outcome::Picture::User)
        m_board.setPicture(o.userPicture);
    if (o.errorNumber)
        tell(Backlight::errorText(*o.errorNumber), o.errorFile, fromSettings);
    else
        m_lastTold.clear();
    m_board.setSeiriNumForeColor(o.numberColour);
}

void BacklightFrame::tell(const QString& text, const QString& file, bool fromSettings) {
    const QString shown = text + QStringLiteral("\r\n") + QDir::toNativeSeparators(file);
    const QFileInfo info(file);
    const QString told =
        shown + QString::number(info.size()) + info.lastModified().toString(Qt::ISODateWithMs);
    if (fromSettings && told == m_lastTold) return;
    m_lastTold = told;
    if (showErrorBox)
        showErrorBox(shown);
    else
        QMessageBox::critical(window(), QStringLiteral("エラー"), shown);
}

void BacklightFrame::applySelected() {
    apply(selected(), true);
}
