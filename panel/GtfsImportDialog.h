#pragma once
// "GTFS-JP から系統を取り込む": the panel's way to make a route from an open-data feed. The
// user picks a feed file (read on a thread of its own, with a progress bar), one of its stop
// patterns and a route number; the route's fare data, timetable and source note go into the
// fare data folder, its broadcast file and readings into the broadcast data folder, so that
// "リセット" loads it at once. Reached from the panel's context menu or Ctrl+G.
#include <QDialog>
#include <memory>
#include <optional>

class FeedLoader;
class GtfsFeed;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
struct Settings;

class GtfsImportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GtfsImportDialog(Settings& settings, QWidget* parent = nullptr);
    ~GtfsImportDialog() override;

    // Adds the dialog's entry to the context menu of `panel`, with its shortcut.
    static void addTo(QWidget* panel, Settings& settings);

    // Starts reading the feed at `path` (a zip file or a folder); the patterns fill the list
    // once it is read.
    void openFeed(const QString& path);
    // Imports the selected pattern as the route typed; true when the files were written.
    bool importSelected();
    bool loading() const;

    QLineEdit* feedPath = nullptr;
    QPushButton* browseButton = nullptr;
    QTreeWidget* patternList = nullptr;
    QLineEdit* routeNumber = nullptr;
    QCheckBox* ticketPerStop = nullptr;
    QPushButton* importButton = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* status = nullptr;

  signals:
    // The feed chosen last has been read (or failed).
    void feedLoaded();

  protected:
    // Tells the user (tests record it instead of showing a box).
    virtual void showMessage(const QString& text, bool error);
    // Asks before files of the route are replaced.
    virtual bool confirmReplace(const QString& route);

  private:
    void browse();
    void pollLoader();
    void fillPatterns();
    void updateEnabled();

    Settings& m_settings;
    std::unique_ptr<FeedLoader> m_loader;
    std::unique_ptr<GtfsFeed> m_feed;
    QString m_feedName;
    QTimer* m_poll = nullptr;
};
