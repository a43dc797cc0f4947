#include "panel/GtfsImportDialog.h"

#include "gtfs/RouteFiles.h"
#include "gtfs/RouteImport.h"
#include "panel/FeedLoader.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QTreeWidget>

void GtfsImportDialog::addTo(QWidget* panel, Settings& settings) {
    auto* action = new QAction(QStringLiteral("GTFS-JP から系統を取り込む(&G)..."), panel);
    action->setObjectName(QStringLiteral("actGtfsImport"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    action->setShortcutContext(Qt::WindowShortcut);
    panel->addAction(action);
    // The panel's controls keep their own behaviour; the entry lives in its context menu.
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(action, &QAction::triggered, panel, [panel, &settings] {
        GtfsImportDialog dialog(settings, panel);
        dialog.exec();
    });
}

GtfsImportDialog::GtfsImportDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("frmGtfsImport"));
    setWindowTitle(QStringLiteral("GTFS-JP から系統を取り込む"));
    auto* grid = new QGridLayout(this);

    auto* feedLabel = new QLabel(QStringLiteral("データ(&F):"), this);
    feedPath = new QLineEdit(this);
    feedPath->setObjectName(QStringLiteral("txtFeedPath"));
    feedPath->setReadOnly(true);
    feedLabel->setBuddy(feedPath);
    browseButton = new QPushButton(QStringLiteral("参照(&B)..."), this);
    browseButton->setObjectName(QStringLiteral("cmdBrowse"));
    grid->addWidget(feedLabel, 0, 0);
    grid->addWidget(feedPath, 0, 1);
    grid->addWidget(browseButton, 0, 2);

    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("prgLoad"));
    progress->setVisible(false);
    grid->addWidget(progress, 1, 0, 1, 3);

    auto* listLabel = new QLabel(QStringLiteral("系統パターン(&P):"), this);
    patternList = new QTreeWidget(this);
    patternList->setObjectName(QStringLiteral("lstPatterns"));
    patternList->setRootIsDecorated(false);
    patternList->setHeaderLabels({QStringLiteral("番号"), QStringLiteral("路線"),
                                  QStringLiteral("行き先"), QStringLiteral("始点"),
                                  QStringLiteral("終点"), QStringLiteral("停留所"),
                                  QStringLiteral("便数")});
    patternList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    patternList->setMinimumSize(560, 260);
    listLabel->setBuddy(patternList);
    grid->addWidget(listLabel, 2, 0, 1, 3);
    grid->addWidget(patternList, 3, 0, 1, 3);

    auto* routeLabel = new QLabel(QStringLiteral("系統番号(&R):"), this);
    routeNumber = new QLineEdit(this);
    routeNumber->setObjectName(QStringLiteral("txtRouteNumber"));
    routeNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,5}")), this));
    routeLabel->setBuddy(routeNumber);
    ticketPerStop = new QCheckBox(QStringLiteral("停留所ごとに整理券番号を付ける(&T)"), this);
    ticketPerStop->setObjectName(QStringLiteral("chkTicketPerStop"));
    grid->addWidget(routeLabel, 4, 0);
    grid->addWidget(routeNumber, 4, 1);
    grid->addWidget(ticketPerStop, 5, 1);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    grid->addWidget(status, 6, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    importButton = new QPushButton(QStringLiteral("取り込み(&I)"), this);
    importButton->setObjectName(QStringLiteral("cmdImport"));
    importButton->setDefault(true);
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(closeButton);
    grid->addLayout(buttons, 7, 0, 1, 3);

    m_poll = new QTimer(this);
    m_poll->setInterval(50);
    connect(m_poll, &QTimer::timeout, this, &GtfsImportDialog::pollLoader);
    connect(browseButton, &QPushButton::clicked, this, &GtfsImportDialog::browse);
    connect(importButton, &QPushButton::clicked, this, [this] { importSelected(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(patternList, &QTreeWidget::itemSelectionChanged, this,
            &GtfsImportDialog::updateEnabled);
    connect(routeNumber, &QLineEdit::textChanged, this, &GtfsImportDialog::updateEnabled);
    updateEnabled();
}

GtfsImportDialog::~GtfsImportDialog() = default;

bool GtfsImportDialog::loading() const {
    return m_loader != nullptr;
}

void GtfsImportDialog::showMessage(const QString& text, bool error) {
    if (error)
        QMessageBox::warning(this, windowTitle(), text);
    else
        QMessageBox::information(this, windowTitle(), text);
}

bool GtfsImportDialog::confirmReplace(const QString& route) {
    return QMessageBox::question(
               this, windowTitle(),
               QStringLiteral("系統 %1 のデータはすでにあります。置き換えますか？").arg(route)) ==
           QMessageBox::Yes;
}

void GtfsImportDialog::browse() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("GTFS-JP データを開く"), feedPath->text(),
        QStringLiteral("GTFS-JP データ (*.zip *.ZIP);;すべてのファイル (*)"));
    if (!path.isEmpty()) openFeed(path);
}

void GtfsImportDialog::openFeed(const QString& path) {
    if (m_loader) m_loader->cancel();
    m_loader.reset(); // waits for a cancelled reading to stop
    m_feed.reset();
    patternList->clear();
    feedPath->setText(path);
    status->setText(QStringLiteral("読み込んでいます..."));
    progress->setRange(0, 0);
    progress->setVisible(true);
    m_loader = std::make_unique<FeedLoader>(path);
    m_loader->start();
    m_poll->start();
    updateEnabled();
}

void GtfsImportDialog::pollLoader() {
    if (!m_loader) return;
    if (!m_loader->isFinished()) {
        const qint64 total = m_loader->total();
        if (total > 0) {
            progress->setRange(0, 1000);
            progress->setValue(int(std::min<qint64>(1000, m_loader->bytes() * 1000 / total)));
        }
        return;
    }
    m_poll->stop();
    progress->setVisible(false);
    const QString error = m_loader->error();
    if (error.isEmpty() && m_loader->feed()) {
        m_feed = std::make_unique<GtfsFeed>(std::move(*m_loader->feed()));
        m_feedName = m_loader->path();
        fillPatterns();
        status->setText(QStringLiteral("%1: 系統パターン %2")
                            .arg(QFileInfo(m_feedName).fileName())
                            .arg(m_feed->patterns.size()));
    } else {
        status->setText(error);
    }
    m_loader.reset();
    updateEnabled();
    emit feedLoaded();
    if (!error.isEmpty()) showMessage(error, true);
}

void GtfsImportDialog::fillPatterns() {
    QList<QTreeWidgetItem*> items;
    for (size_t p = 0; p < m_feed->patterns.size(); ++p) {
        const GtfsPattern& pattern = m_feed->patterns[p];
        auto* item = new QTreeWidgetItem(QStringList{
            QString::number(p + 1),
            m_feed->routes[size_t(pattern.route)].displayName(),
            pattern.headsign,
            m_feed->stops[size_t(pattern.stops.front())].name,
            m_feed->stops[size_t(pattern.stops.back())].name,
            QString::number(pattern.stops.size()),
            QString::number(pattern.trips.size()),
        });
        item->setData(0, Qt::UserRole, qint64(p));
        items << item;
    }
    patternList->addTopLevelItems(items);
    if (!items.isEmpty()) patternList->setCurrentItem(items.front());
}

void GtfsImportDialog::updateEnabled() {
    importButton->setEnabled(m_feed && !m_loader && patternList->currentItem() &&
                             routeNumber->hasAcceptableInput());
}

bool GtfsImportDialog::importSelected() {
    if (!m_feed || !patternList->currentItem() || !routeNumber->hasAcceptableInput()) return false;
    const GtfsPattern& pattern =
        m_feed->patterns[size_t(patternList->currentItem()->data(0, Qt::UserRole).toLongLong())];
    try {
        const QString number = RouteFiles::routeNumber(routeNumber->text());
        const QString existing =
            PathResolver::resolve(PathResolver::withTrailingSeparator(m_settings.FareDataDir) +
                                  number + QStringLiteral(".hy3"));
        if (QFileInfo::exists(existing) && !confirmReplace(number)) return false;
        RouteImport::Options options;
        options.ticketPerStop = ticketPerStop->isChecked();
        const ImportedRoute route = RouteImport::build(*m_feed, pattern.trips.front(), options);
        RouteFiles::write(route, m_feed->info, m_feedName, number, m_settings.FareDataDir,
                          m_settings.TapeDataDir);
        QString text = QStringLiteral("系統 %1 を作りました（停留所 %2、整理券番号 %3）。\n"
                                      "「リセット」で読み込めます。")
                           .arg(number)
                           .arg(route.rows.size())
                           .arg(route.ticketCount);
        for (const QString& w : route.warnings)
            text += QStringLiteral("\n注意: ") + w;
        status->setText(text);
        showMessage(text, false);
        return true;
    } catch (const std::exception& e) {
        const QString text = K41Error::from(e).description();
        status->setText(text);
        showMessage(text, true);
        return false;
    }
}
