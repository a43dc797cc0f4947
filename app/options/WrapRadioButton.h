#pragma once
// A radio button whose caption wraps onto as many lines as its width needs, for the long
// captions of the options dialog. text() stays the caption exactly as given; only the
// drawing and the height differ from QRadioButton.
#include <QRadioButton>

class WrapRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit WrapRadioButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    // Where the caption starts: the indicator and the gap after it.
    int textIndent() const;
    QRect textRect(int width) const;
};
