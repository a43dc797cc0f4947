// The resource library's general dialogs: text box, date picker, colour, file and folder
// pickers. All are modal over their owner and built from Qt's stock widgets; every widget a
// caller or a test needs to reach carries an object name.
#include "platform/QtColour.h"
#include "platform/ZKP4Res.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace ZKP4Res {

void Call_dlg110(QWidget* owner, int /*kind*/, const QString& text, const QString& linksHtml) {
    QDialog dlg(owner);
    dlg.setObjectName(QStringLiteral("dlg110"));
    dlg.setWindowTitle(owner ? owner->window()->windowTitle() : QString());
    auto* box = new QPlainTextEdit(&dlg);
    box->setObjectName(QStringLiteral("dlg110Text"));
    box->setReadOnly(true);
    // Callers hand over CR LF lines; a lone CR would otherwise show as an extra break.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(shown);
    // The box fits its text: every line whole, no scrolling, no empty space below.
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStringList lines =
        shown.endsWith(QLatin1Char('\n')) ? shown.chopped(1).split('\n') : shown.split('\n');
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (box->frameWidth() + int(box->document()->documentMargin())) + 8;
    box->setFixedSize(std::max(widest + margins, 240),
                      int(lines.size()) * metrics.lineSpacing() + margins);
    auto* layout = new QVBoxLayout(&dlg);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(box);
    if (!linksHtml.isEmpty()) {
        auto* links = new QLabel(linksHtml, &dlg);
        links->setObjectName(QStringLiteral("dlg110Links"));
        links->setTextFormat(Qt::RichText);
        links->setTextInteractionFlags(Qt::TextBrowserInteraction);
        links->setOpenExternalLinks(true);
        links->setWordWrap(true);
        links->setMaximumWidth(std::max(box->width(), 360));
        layout->addWidget(links);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("dlg110Ok"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    layout->addWidget(buttons);
    dlg.exec();
}

int Call_dlg111(QWidget* owner, SystemTime& date) {
    QDialog dlg(owner);
    dlg.setObjectName(QStringLiteral("dlg111"));
    dlg.setWindowTitle(QStringLiteral("日付の選択"));
    auto* calendar = new QCalendarWidget(&dlg);
    calendar->setObjectName(QStringLiteral("dlg111Calendar"));
    // Years the record's unsigned field and a four-digit stored date can hold.
    calendar->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    // The caller usually passes a zeroed record; then today is offered.
    const QDate given(date.wYear, date.wMonth, date.wDay);
    calendar->setSelectedDate(given.isValid() ? given : QDate::currentDate());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("dlg111Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("dlg111Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dlg, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    if (dlg.exec() != QDialog::Accepted) return 0;

    const QDate chosen = calendar->selectedDate();
    date.wYear = quint16(chosen.year());
    date.wMonth = quint16(chosen.month());
    date.wDay = quint16(chosen.day());
    date.wDayOfWeek = quint16(chosen.dayOfWeek() % 7); // Sunday is 0 in the record
    return 1;
}

int Zk3ChooseColor(QWidget* owner, OleColor& colour, CustomColors& customColors) {
    // Qt keeps 16 custom colours; the table's 17th entry has no place in the dialog and is
    // handed back untouched.
    const int shared = std::min<int>(QColorDialog::customCount(), int(customColors.size()));
    for (int i = 0; i < shared; ++i)
        QColorDialog::setCustomColor(i, Colour::toQColor(customColors[size_t(i)]));

    QColorDialog dlg(Colour::toQColor(colour), owner);
    dlg.setObjectName(QStringLiteral("Zk3ChooseColor"));
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dlg.exec() == QDialog::Accepted;

    for (int i = 0; i < shared; ++i)
        customColors[size_t(i)] = Colour::fromQColor(QColorDialog::customColor(i));
    if (!chosen) return 0;
    colour = Colour::fromQColor(dlg.selectedColor());
    return 1;
}

namespace {

// "Wave\0*.wav\0Pictures\0*.bmp;*.gif\0\0" → {"Wave (*.wav)", "Pictures (*.bmp *.gif)"}.
QStringList nameFilters(const QString& filter) {
    QStringList parts = filter.split(QChar(u'\0'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i);
        QString masks = parts.at(i + 1).trimmed();
        if (description.isEmpty() && masks.isEmpty()) break; // the closing NUL
        masks.replace(QRegularExpression(QStringLiteral("\\s*;\\s*")), QStringLiteral(" "));
        if (masks.isEmpty()) masks = QStringLiteral("*");
        // The picker reads its patterns from the last parentheses of a filter, split at
        // blanks only. A description that names its masks ("Wave (*.wav)", "画像
        // (*.bmp;*.gif)") gives them up for the mask part; any other one ("ビットマップ (BMP)")
        // is kept whole, so the files shown are always those of the mask part.
        static const QRegularExpression namedMasks(
            QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
        QString shown = description;
        shown.remove(namedMasks);
        filters << QStringLiteral("%1 (%2)").arg(shown, masks);
    }
    return filters;
}

} // namespace

QString Zk3FileDlg(QWidget* owner, int /*flags*/, const QString& filter, const QString& initial,
                   const QString& title) {
    QFileDialog dlg(owner, title);
    dlg.setObjectName(QStringLiteral("Zk3FileDlg"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = nameFilters(filter);
    if (!filters.isEmpty()) dlg.setNameFilters(filters);
    if (!initial.isEmpty()) dlg.selectFile(initial);
    if (dlg.exec() != QDialog::Accepted) return {};
    const QStringList files = dlg.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString Zk3FolderDlg(QWidget* owner, const QString& prompt) {
    QFileDialog dlg(owner, prompt);
    dlg.setObjectName(QStringLiteral("Zk3FolderDlg"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    dlg.setFileMode(QFileDialog::Directory);
    if (dlg.exec() != QDialog::Accepted) return {};
    const QStringList folders = dlg.selectedFiles();
    return folders.isEmpty() ? QString() : folders.first();
}

} // namespace ZKP4Res
