#pragma once
// The ticket preview's picture box (picSeirikenPrev): a white surface that keeps what was
// drawn on it as a persistent image, shows that image on every repaint, and offers it for
// copying. A right-click pops up the hidden menu MnuHide with its one item MnuHideCopy
// "コピー(&C)"; other buttons do nothing.
#include "faredata/DispDataHost.h"

#include <QImage>
#include <QWidget>

class QAction;
class QMenu;

class PreviewPicture : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewPicture(QWidget* parent = nullptr);

    // Resizes the box; the image keeps what it shows, cut or widened with white. Repaints.
    void setSizeTwips(int width, int height);
    // Blanks the image. Repaints.
    void clear();
    // Draws the ticket of `ticket` through the plug-in at `plugin` onto the image (nothing for
    // an empty or invalid plug-in) and shows it. The accessible description names the
    // ticket while one is shown.
    void drawTicket(const QString& plugin, const SeirikenTicket& ticket, qint32 company);

    // The persistent image, of the box's size.
    const QImage& image() const { return m_image; }

    // Puts the persistent image on the clipboard (after clearing it).
    void MnuHideCopy_Click();

    QMenu* MnuHide = nullptr;
    QAction* MnuHideCopy = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage m_image;
};
