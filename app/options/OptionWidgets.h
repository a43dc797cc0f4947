#pragma once
// Makers for the options dialog's controls. Each control gets its name (with its index, as
// "Combo4(2)") as object name and its caption, or the label that names it, as accessible
// name, so that the dialog can be driven from outside and by tests.
#include <QString>
#include <QStringList>

class ColourButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace OptionWidgets {

// "Combo4(2)".
QString indexed(const char* name, int index);

QLabel* label(QWidget* parent, const QString& name, const QString& text);
// A label for a note: wraps over as many lines as it needs.
QLabel* note(QWidget* parent, const QString& name, const QString& text);
// A text box for a path. It refuses characters the settings file cannot store (code page
// 932), so what is typed is what the next start shows.
QLineEdit* pathBox(QWidget* parent, const QString& name, const QString& accessibleName);
// A push button; `what` (optional) says what it acts on, as accessible description.
QPushButton* button(QWidget* parent, const QString& name, const QString& text,
                    const QString& what = {});
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text);
QRadioButton* radio(QWidget* parent, const QString& name, const QString& text);
// A radio button whose long caption wraps.
QRadioButton* wrapRadio(QWidget* parent, const QString& name, const QString& text);
QComboBox* list(QWidget* parent, const QString& name, const QString& accessibleName,
                const QStringList& items);
ColourButton* colourButton(QWidget* parent, const QString& name, const QString& accessibleName);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& title);

} // namespace OptionWidgets
