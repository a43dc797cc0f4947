#pragma once
// The ticket preview's picture box (picSeirikenPrev): a white surface that keeps what was
// drawn on it as a persistent image, shows that image on every repaint, and offers it for
// copying. A right-click pops up the hidden menu MnuHide with its one item MnuHideCopy
// "コピー(&C)"; other buttons do nothing.
// Tickets are drawn on the drawer's thread, never on the panel's: the box keeps showing the
// last finished image until the newest ticket is ready, and a blanking waits for the event
// loop's next turn, so that a blanking followed at once by a ticket never flashes white.
#include "faredata/DispDataHost.h"
#include "platform/ticket/TicketDrawer.h"

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
    // Blanks the image. Shows at the next turn of the event loop unless a ticket is asked
    // for before then.
    void clear();
    // Asks for the ticket of `ticket` through the plug-in at `plugin` on the image (nothing for
    // an empty or invalid plug-in); shown when drawn, unless a newer ticket or a blanking is
    // asked for first. The accessible description names the ticket while one is shown.
    void drawTicket(const QString& plugin, const SeirikenTicket& ticket, qint32 company);
    // A ticket or a blanking is asked for and not shown yet.
    bool pending() const { return m_drawer->busy() || m_clearPending; }

    // The persistent image as shown, of the box's size.
    const QImage& image() const { return m_image; }
    TicketDrawer& drawer() const { return *m_drawer; }

    // Puts the persistent image on the clipboard (after clearing it).
    void MnuHideCopy_Click();

    QMenu* MnuHide = nullptr;
    QAction* MnuHideCopy = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  signals:
    // The shown image changed to what was last asked for.
    void shown();

  private:
    void showCleared();
    void showDrawn(const TicketResult& result);

    TicketDrawer* m_drawer = nullptr;
    QImage m_image; // shown
    QImage m_base;  // what the next ticket is drawn onto: m_image, or blank after clear()
    QImage m_blank; // white, of the box's size
    QString m_baseDescription;
    QString m_askedDescription;    // of the ticket asked for
    QString m_fallbackDescription; // kept when that plug-in turns out invalid
    bool m_clearPending = false;
};
