#include "app/options/SettingBinder.h"

#include "app/options/ColourButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

SettingBinder::SettingBinder(Settings& store, QObject* parent) : QObject(parent), m_store(store) {}

const SettingField& SettingBinder::field(const char* name, SettingKind kind) const {
    const SettingField* f = SettingFields::find(QLatin1String(name));
    // A page naming a setting that does not exist, or with a control of the wrong kind, is a
    // fault of the program itself; every test that builds the dialog stops on it.
    if (!f || f->kind != kind) qFatal("options dialog: no setting %s of this kind", name);
    if (m_controls.count(f)) qFatal("options dialog: setting %s bound twice", name);
    return *f;
}

void SettingBinder::add(const SettingField& f, QWidget* control) {
    m_controls[&f] = control;
    show(f);
}

QButtonGroup* SettingBinder::radioGroup(int number) {
    QButtonGroup*& group = m_groups[number];
    if (!group) {
        group = new QButtonGroup(this);
        group->setExclusive(true);
    }
    return group;
}

void SettingBinder::bind(QLineEdit* box, const char* name) {
    const SettingField& f = field(name, SettingKind::Text);
    add(f, box);
    connect(box, &QLineEdit::textChanged, this,
            [this, &f](const QString& text) { m_store.*f.text = text; });
}

void SettingBinder::bind(QLabel* label, const char* name) {
    add(field(name, SettingKind::Text), label);
}

void SettingBinder::bind(QCheckBox* box, const char* name) {
    const SettingField& f = field(name, SettingKind::Check);
    add(f, box);
    connect(box, &QCheckBox::toggled, this,
            [this, &f](bool on) { m_store.*f.number = on ? 1 : 0; });
}

void SettingBinder::bind(QRadioButton* button, const char* name) {
    const SettingField& f = field(name, SettingKind::Choice);
    radioGroup(f.radioGroup)->addButton(button);
    add(f, button);
    connect(button, &QRadioButton::toggled, this, [this, &f](bool on) { m_store.*f.choice = on; });
}

void SettingBinder::bind(QComboBox* list, const char* name) {
    const SettingField& f = field(name, SettingKind::Index);
    add(f, list);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, &f](int position) { m_store.*f.number = qint16(position); });
}

void SettingBinder::bind(ColourButton* button, const char* name) {
    const SettingField& f = field(name, SettingKind::Colour);
    add(f, button);
    connect(button, &ColourButton::colourChanged, this,
            [this, &f](OleColor colour) { m_store.*f.colour = colour; });
}

QWidget* SettingBinder::control(const SettingField& f) const {
    const auto it = m_controls.find(&f);
    return it == m_controls.end() ? nullptr : it->second.data();
}

void SettingBinder::show(const SettingField& f) {
    QWidget* w = control(f);
    if (!w) return;
    // Writing a control raises its change signal, which writes the same value back to the
    // store and runs the page's enabling rules, just as a click would.
    switch (f.kind) {
    case SettingKind::Text:
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            if (box->text() != m_store.*f.text) box->setText(m_store.*f.text);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(m_store.*f.text);
            label->setAccessibleDescription(m_store.*f.text);
        }
        break;
    case SettingKind::Check:
        static_cast<QCheckBox*>(w)->setChecked(m_store.*f.number != 0);
        break;
    case SettingKind::Choice: {
        // A stored group may have no button selected; an exclusive group cannot show that,
        // so exclusion is lifted while the one button is set.
        auto* button = static_cast<QRadioButton*>(w);
        QButtonGroup* group = m_groups.at(f.radioGroup);
        group->setExclusive(false);
        button->setChecked(m_store.*f.choice);
        group->setExclusive(true);
        break;
    }
    case SettingKind::Index:
        static_cast<QComboBox*>(w)->setCurrentIndex(m_store.*f.number);
        break;
    case SettingKind::Colour:
        static_cast<ColourButton*>(w)->setColour(m_store.*f.colour);
        break;
    }
}

void SettingBinder::showAll() {
    for (const SettingField& f : SettingFields::all())
        show(f);
}

void SettingBinder::setText(const char* name, const QString& value) {
    const SettingField* f = SettingFields::find(QLatin1String(name));
    if (!f || f->kind != SettingKind::Text) qFatal("options dialog: no text setting %s", name);
    m_store.*f->text = value;
    show(*f);
}
