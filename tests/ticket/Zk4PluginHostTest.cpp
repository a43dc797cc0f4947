#include "platform/ZKP4Res.h"

#include "tests/common/TestUtil.h"
#include "tests/ticket/BarcodeReader.h"
#include "tests/ticket/PluginFiles.h"

#include <QComboBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cstring>
#include <gtest/gtest.h>

using namespace ZKP4Res;
using PluginFiles::samplePath;

namespace {

bool zeroFilled(const PlgInfo& info) {
    const PlgInfo zero;
    return std::memcmp(&info, &zero, sizeof info) == 0;
}

QImage drawn(const QString& plugin, const QString& stop, qint16 number, qint32 company) {
    QImage image(220, 112, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ZK4_DrawSeiriken(plugin, &painter, stop, QStringLiteral("03-07-2025"),
                     QStringLiteral("08:05:09"), 12, number, 5, company);
    return image;
}

} // namespace

TEST(Zk4PluginHost, GetPlgInfoAnswersZeroForAnythingButAValidPlugin) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("cut.4SP"), PluginFiles::sample("yamabato.4SP").left(500));
    for (const QString& path : {QString(), dir.filePath("none.4SP"), dir.filePath("cut.4SP"),
                                dir.path(), QStringLiteral(K41_SOURCE_DIR "/README.md")}) {
        PlgInfo info;
        QString reason;
        EXPECT_EQ(ZK4_GetPlgInfo(path, info, &reason), 0) << path.toStdString();
        EXPECT_TRUE(zeroFilled(info)) << path.toStdString();
        EXPECT_FALSE(reason.isEmpty()) << path.toStdString();
    }
    PlgInfo info;
    ASSERT_NE(ZK4_GetPlgInfo(samplePath("yamabato.4SP"), info), 0);
    EXPECT_EQ(info.PreviewWidth, 3300);
    EXPECT_EQ(info.PreviewHeight, 1680);
    EXPECT_EQ(info.StopRangeTo, 99);
    EXPECT_EQ(info.CompanySwitch, 1);
}

TEST(Zk4PluginHost, CommentAndCompaniesGoIntoTheControls) {
    QTextEdit comment;
    comment.setPlainText(QStringLiteral("before"));
    ZK4_SetPlgComment(samplePath("nowhere.4SP"), &comment);
    EXPECT_EQ(comment.toPlainText(), QStringLiteral("before"));
    ZK4_SetPlgComment(samplePath("minimal.4SP"), &comment);
    EXPECT_EQ(comment.toPlainText(), QStringLiteral("整理券番号と乗車停留所名だけを印字します。"));
    ZK4_SetPlgComment(samplePath("minimal.4SP"), nullptr);

    QComboBox companies;
    companies.addItem(QStringLiteral("既存"));
    ZK4_SetCorpAddList(samplePath("yamabato.4SP"), &companies);
    ASSERT_EQ(companies.count(), 4) << "the names are added after what the list holds";
    EXPECT_EQ(companies.itemText(1), QStringLiteral("山鳩市営バス"));
    EXPECT_EQ(companies.itemText(3), QStringLiteral("緑ヶ丘交通"));
    ZK4_SetCorpAddList(samplePath("minimal.4SP"), &companies);
    ZK4_SetCorpAddList(QString(), &companies);
    EXPECT_EQ(companies.count(), 4);
}

TEST(Zk4PluginHost, DrawSeirikenDrawsTheTicketOrNothing) {
    const QImage none = drawn(QString(), QStringLiteral("本町"), 5, -1);
    for (int y = 0; y < none.height(); ++y)
        for (int x = 0; x < none.width(); ++x)
            ASSERT_EQ(none.pixel(x, y), qRgb(255, 255, 255));
    EXPECT_EQ(drawn(samplePath("nowhere.4SP"), QStringLiteral("本町"), 5, -1), none);
    ZK4_DrawSeiriken(samplePath("yamabato.4SP"), nullptr, {}, {}, {}, 1, 1, 1, 0);

    const QImage ticket = drawn(samplePath("yamabato.4SP"), QStringLiteral("本町"), 5, -1);
    EXPECT_EQ(BarcodeReader::read(ticket), QStringList{"CODE-128:012005"});
    EXPECT_NE(drawn(samplePath("yamabato.4SP"), QStringLiteral("本町"), 6, -1), ticket);
    EXPECT_NE(drawn(samplePath("yamabato.4SP"), QStringLiteral("本町"), 5, 2), ticket);
    // -1 (no company chosen) prints the first company.
    EXPECT_EQ(drawn(samplePath("yamabato.4SP"), QStringLiteral("本町"), 5, 0), ticket);
}
