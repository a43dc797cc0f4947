#include "platform/ZeroDisplayDialog.h"

#include "platform/ZKP4Res.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

ZeroDisplayDialog::ZeroDisplayDialog(QWidget* owner, qint16 keta, qint16 zeroMode, qint16 shift,
                                     qint16 fillZero)
    : QDialog(owner), m_incomingZeroMode(zeroMode) {
    setWindowTitle(QStringLiteral("ゼロ表示の設定"));
    setObjectName(QStringLiteral("ZeroDisplayDialog"));

    auto* modeBox = new QGroupBox(QStringLiteral("0 と空欄の表示"), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    m_modes = new QButtonGroup(this);
    const QString explanations[4] = {
        QStringLiteral("0 は表示しない（空欄のときも何も表示しない）"),
        QStringLiteral("0 を表示する（空欄のときも 0 を表示する）"),
        QStringLiteral("0 は表示しない。-1 のときだけ 0 を表示する"),
        QStringLiteral("いつも 0 を表示する（0・-1・空欄のとき 0 を表示する）"),
    };
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QRadioButton(explanations[mode], modeBox);
        button->setObjectName(QStringLiteral("zeroMode%1").arg(mode));
        button->setChecked(mode == zeroMode);
        m_modes->addButton(button, mode);
        modeLayout->addWidget(button);
    }

    // A control with fewer than one cell still gets a usable (if empty) range.
    const int cells = qMax<int>(keta, 0);
    m_shift = new QSpinBox(this);
    m_shift->setObjectName(QStringLiteral("shift"));
    m_shift->setRange(0, qMax(0, cells - 1));
    m_shift->setValue(shift);
    m_shift->setToolTip(QStringLiteral("右端から空けておく桁の数です。"));
    m_fillZero = new QSpinBox(this);
    m_fillZero->setObjectName(QStringLiteral("fillZero"));
    m_fillZero->setRange(0, cells);
    m_fillZero->setValue(fillZero);
    m_fillZero->setSpecialValueText(QStringLiteral("0（埋めない）"));
    m_fillZero->setToolTip(QStringLiteral("数字がこの桁数に満たないとき、左を 0 で埋めます。"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("右の空け桁数："), m_shift);
    form->addRow(QStringLiteral("ゼロ埋めの桁数："), m_fillZero);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

qint16 ZeroDisplayDialog::zeroMode() const {
    const int checked = m_modes->checkedId();
    return checked >= 0 ? qint16(checked) : m_incomingZeroMode;
}
qint16 ZeroDisplayDialog::shift() const {
    return qint16(m_shift->value());
}
qint16 ZeroDisplayDialog::fillZero() const {
    return qint16(m_fillZero->value());
}

namespace ZKP4Res {

int Call_dlg100(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero) {
    ZeroDisplayDialog dialog(owner, keta, zeroMode, shift, fillZero);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return 0;
    zeroMode = dialog.zeroMode();
    shift = dialog.shift();
    fillZero = dialog.fillZero();
    return 1;
}

} // namespace ZKP4Res
