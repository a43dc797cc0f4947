#pragma once
// The zero-display dialog of a digit control: how zero, -1 and empty values show, how many
// blank cells stay at the right and how many digits are padded with zeros. Opened through
// ZKP4Res::Call_dlg100. Its widgets carry object names so tests can drive it:
// "zeroMode0" .. "zeroMode3" (radio buttons), "shift", "fillZero" (spin boxes),
// "okButton", "cancelButton".
#include <QDialog>

class QButtonGroup;
class QSpinBox;

class ZeroDisplayDialog : public QDialog {
    Q_OBJECT
  public:
    // keta bounds the spin boxes: shift 0 .. keta - 1, fill 0 .. keta.
    ZeroDisplayDialog(QWidget* owner, qint16 keta, qint16 zeroMode, qint16 shift, qint16 fillZero);

    // The edited values. A zero mode outside 0 to 3 that came in stays as it was unless the
    // user picks one.
    qint16 zeroMode() const;
    qint16 shift() const;
    qint16 fillZero() const;

  private:
    qint16 m_incomingZeroMode;
    QButtonGroup* m_modes;
    QSpinBox* m_shift;
    QSpinBox* m_fillZero;
};
