#include "app/options/OptionWidgets.h"

#include "app/options/ColourButton.h"
#include "app/options/WrapRadioButton.h"
#include "platform/core/Codec932.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QValidator>

namespace OptionWidgets {

namespace {

// Refuses an edit that brings in a character code page 932 cannot hold. The look-alikes
// typed on Linux (〜 − ‖ …) are accepted: the settings file stores their code page 932 forms.
// A character that was already there (a damaged settings file) does not lock the box.
class Cp932Validator : public QValidator {
  public:
    explicit Cp932Validator(QLineEdit* box) : QValidator(box), m_before(box->text()) {
        // While an edit is validated the box already holds the new text, so the text before
        // it is kept here.
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { m_before = t; });
    }
    State validate(QString& input, int&) const override {
        if (unencodable(input) <= unencodable(m_before)) return Acceptable;
        explainRefusal(Codec932::firstUnencodable(input));
        return Invalid;
    }

  private:
    // The refused character would otherwise vanish without a word: the box says why, beside
    // itself, as the pickers do in their message.
    void explainRefusal(const QString& character) const {
        auto* box = static_cast<QLineEdit*>(parent());
        const QString why = QStringLiteral("「%1」は設定ファイルに保存できない文字のため、"
                                           "入力できません。")
                                .arg(character);
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
    }

    static int unencodable(const QString& text) {
        if (Codec932::canEncode(text)) return 0;
        int count = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            if (!Codec932::canEncode(text.mid(i, n))) ++count;
            i += n - 1;
        }
        return count;
    }
    QString m_before;
};

template <typename W> W* named(W* w, const QString& name, const QString& accessibleName) {
    w->setObjectName(name);
    w->setAccessibleName(accessibleName);
    return w;
}

} // namespace

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    return named(new QLabel(text, parent), name, text);
}

QLabel* note(QWidget* parent, const QString& name, const QString& text) {
    QLabel* l = label(parent, name, text);
    l->setWordWrap(true);
    return l;
}

QLineEdit* pathBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = named(new QLineEdit(parent), name, accessibleName);
    box->setValidator(new Cp932Validator(box));
    // The settings file holds a text of up to 65535 bytes; Qt's default of 32767 characters
    // would cut a longer stored path when it is shown, and the cut path would then be saved.
    box->setMaxLength(0xFFFF);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text,
                    const QString& what) {
    auto* b = named(new QPushButton(text, parent), name, text);
    if (!what.isEmpty()) b->setAccessibleDescription(what);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text) {
    return named(new QCheckBox(text, parent), name, text);
}

QRadioButton* radio(QWidget* parent, const QString& name, const QString& text) {
    return named(new QRadioButton(text, parent), name, text);
}

QRadioButton* wrapRadio(QWidget* parent, const QString& name, const QString& text) {
    return named(new WrapRadioButton(text, parent), name, text);
}

QComboBox* list(QWidget* parent, const QString& name, const QString& accessibleName,
                const QStringList& items) {
    auto* c = named(new QComboBox(parent), name, accessibleName);
    c->addItems(items);
    return c;
}

ColourButton* colourButton(QWidget* parent, const QString& name, const QString& accessibleName) {
    return named(new ColourButton(parent), name, accessibleName);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title) {
    return named(new QGroupBox(title, parent), name, title);
}

} // namespace OptionWidgets
