#include "app/options/WrapRadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace {

constexpr int PreferredWidth = 420;
constexpr int TextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

} // namespace

WrapRadioButton::WrapRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapRadioButton::textIndent() const {
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrapRadioButton::textRect(int width) const {
    const int indent = textIndent();
    return fontMetrics().boundingRect(QRect(indent, 0, std::max(1, width - indent), 100000),
                                      TextFlags, text());
}

int WrapRadioButton::heightForWidth(int width) const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(indicator, textRect(width).height()) + 2;
}

QSize WrapRadioButton::sizeHint() const {
    return {PreferredWidth, heightForWidth(PreferredWidth)};
}

QSize WrapRadioButton::minimumSizeHint() const {
    return {textIndent() + fontMetrics().height() * 6, heightForWidth(PreferredWidth)};
}

void WrapRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    // The indicator alone, at the top of the first line.
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    opt.rect =
        QRect(0, std::max(0, (fontMetrics().height() - indicator) / 2),
              style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this), indicator);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, opt);
    const QRect area(textIndent(), 0, width() - textIndent(), height());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(area, TextFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect(width()).adjusted(-1, 0, 1, 0);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
