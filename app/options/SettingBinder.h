#pragma once
// Ties each control of the options dialog to the setting it holds in the live store. A user's
// edit writes the store at once; a store change made elsewhere (the settings file's load) is
// shown by show(). Every setting has exactly one control; which one is decided by the pages,
// the kinds and radio groups come from the settings table.
#include "settings/SettingField.h"

#include <QObject>
#include <QPointer>
#include <map>

class ColourButton;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

class SettingBinder : public QObject {
    Q_OBJECT
  public:
    explicit SettingBinder(Settings& store, QObject* parent = nullptr);

    Settings& store() const { return m_store; }

    // Each binds the control to the setting named `name` (a name of the settings table,
    // of the control's kind) and shows the stored value in it. A list must hold its items
    // before it is bound. A label only shows its setting; whoever changes it calls setText.
    void bind(QLineEdit* box, const char* name);
    void bind(QLabel* label, const char* name);
    void bind(QCheckBox* box, const char* name);
    void bind(QRadioButton* button, const char* name);
    void bind(QComboBox* list, const char* name);
    void bind(ColourButton* button, const char* name);

    // The control that holds `field`, or null when no page bound it.
    QWidget* control(const SettingField& field) const;

    // Store to control, for one setting or for all of them.
    void show(const SettingField& field);
    void showAll();

    // Writes a text setting and shows it.
    void setText(const char* name, const QString& value);

  private:
    const SettingField& field(const char* name, SettingKind kind) const;
    void add(const SettingField& f, QWidget* control);
    QButtonGroup* radioGroup(int number);

    Settings& m_store;
    std::map<const SettingField*, QPointer<QWidget>> m_controls;
    std::map<int, QButtonGroup*> m_groups;
};
