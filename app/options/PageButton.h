#pragma once
// One of the options dialog's page buttons: a radio button drawn as a push button that stays
// down while its page is in front. The caption wraps at its full-width blanks onto two lines,
// or after its particle と when it has none.
#include <QRadioButton>

class PageButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit PageButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The caption as drawn: its full-width blanks, or the place after と, become the line break.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
