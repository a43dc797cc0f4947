#include "app/options/PageButton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int Width = 96;
constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

PageButton::PageButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString PageButton::shownText() const {
    // The captions place their line break with full-width blanks; blanks at either end only
    // centred the text on the original button.
    static const QRegularExpression blanks(QStringLiteral("\u3000+"));
    QString shown = text();
    while (shown.startsWith(QChar(0x3000)))
        shown.remove(0, 1);
    while (shown.endsWith(QChar(0x3000)))
        shown.chop(1);
    if (shown.contains(QChar(0x3000))) return shown.replace(blanks, QStringLiteral("\n"));
    // A caption without blanks that is too wide for one line breaks after its particle と
    // ("パネルと" / "整理券番号表示"), never inside a word.
    const qsizetype particle = shown.indexOf(QChar(0x3068));
    if (particle > 0 && particle + 1 < shown.size() &&
        fontMetrics().horizontalAdvance(shown) > Width - 8)
        shown.insert(particle + 1, QChar('\n'));
    return shown;
}

QSize PageButton::sizeHint() const {
    // Room for two lines of the caption, as every page button has.
    return {Width, fontMetrics().height() * 2 + 14};
}

void PageButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.features = QStyleOptionButton::None;
    opt.state |= isChecked() ? QStyle::State_On | QStyle::State_Sunken : QStyle::State_Raised;
    if (isDown()) opt.state |= QStyle::State_Sunken;
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QFont f = font();
    f.setBold(isChecked());
    p.setFont(f);
    p.drawText(rect().adjusted(4, 2, -4, -2), TextFlags, shownText());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool PageButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
