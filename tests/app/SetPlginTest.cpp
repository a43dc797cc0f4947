#include "app/options/SetPlgin.h"
#include "platform/ticket/TicketPluginReader.h"

#include "app/options/CrossMark.h"

#include "tests/common/TestUtil.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QString sample(const char* name) {
    return TestUtil::samplesDir() + QStringLiteral("/plugins/") + QLatin1String(name);
}

// The page and the panel as plain controls and records.
struct FakeTarget : PlgInTarget {
    QStringList lines{QStringLiteral("(old line)")};
    QTextEdit comment;
    QString path = QStringLiteral("old.4SP");
    QSize previewSize{3300, 1395};
    QComboBox companies;
    QString picked; // what the picker answers
    QStringList pickerCalls;
    QStringList errors;

    void setCapabilityLines(const QStringList& l) override { lines = l; }
    QTextEdit* commentBox() override { return &comment; }
    void setPluginPath(const QString& p) override { path = p; }
    void setPreviewSize(int w, int h) override { previewSize = QSize(w, h); }
    QComboBox* companyList() override { return &companies; }
    QString pickFile(const QString& filter, const QString& title) override {
        pickerCalls << filter << title;
        return picked;
    }
    void showError(const QString& title, const QString& text) override { errors << title << text; }
    QStringList companyNames() const {
        QStringList names;
        for (int i = 0; i < companies.count(); ++i)
            names << companies.itemText(i);
        return names;
    }
};

// The barcode sample with its date capability set to `printDate` and the date item gone.
QString dateCapabilityPlugin(QTemporaryDir& dir, int printDate) {
    QJsonObject doc = QJsonDocument::fromJson(TestUtil::readFile(sample("yamabato.4SP"))).object();
    QJsonObject caps = doc["capabilities"].toObject();
    caps["printDate"] = printDate;
    doc["capabilities"] = caps;
    QJsonArray items = doc["items"].toArray();
    items.removeAt(7);
    doc["items"] = items;
    const QString path = dir.filePath(QStringLiteral("date%1.4SP").arg(printDate));
    TestUtil::writeFile(path, QJsonDocument(doc).toJson());
    return path;
}

} // namespace

TEST(SetPlgin, BarcodePluginFillsPageAndPanel) {
    FakeTarget t;
    t.companies.addItem(QStringLiteral("前の会社"));
    qint32 result = -1;
    PlgIn::SetPlgin(sample("yamabato.4SP"), result, t);
    EXPECT_EQ(result, 2);
    ASSERT_EQ(t.lines.size(), 10);
    EXPECT_EQ(t.lines[0], QStringLiteral("日付の印字 ---> 可能"));
    EXPECT_EQ(t.lines[8], QStringLiteral("停留所認識範囲 ---> 1 ～ 99"));
    EXPECT_EQ(t.previewSize, QSize(3300, 1680));
    EXPECT_TRUE(t.comment.toPlainText().startsWith(QStringLiteral("山鳩市営バスほか2社")));
    // SetPlgin adds; replacing the list is the "..." button's part.
    EXPECT_EQ(t.companyNames(),
              QStringList({"前の会社", "山鳩市営バス", "みさき観光バス", "緑ヶ丘交通"}));
    EXPECT_EQ(t.path, QStringLiteral("old.4SP")) << "SetPlgin leaves the path to its callers";
}

TEST(SetPlgin, MinimalPluginSixLinesAndNoCompanies) {
    FakeTarget t;
    qint32 result = 0;
    PlgIn::SetPlgin(sample("minimal.4SP"), result, t);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(t.lines, QStringList({"日付の印字 ---> 不可", "時刻の印字 ---> 不可",
                                    "系統番号の印字 ---> 不可", "停名の印字 ---> 可能",
                                    "バーコード印字 ---> 不可", "社名切り替え:---> 不可"}));
    EXPECT_EQ(t.previewSize, QSize(2400, 1200));
    EXPECT_EQ(t.companies.count(), 0);
}

TEST(SetPlgin, DateFieldOfTwoIsNotAvailable) {
    QTemporaryDir dir;
    FakeTarget t;
    qint32 result = 0;
    PlgIn::SetPlgin(dateCapabilityPlugin(dir, 2), result, t);
    ASSERT_EQ(result, 2);
    EXPECT_EQ(t.lines[0], QStringLiteral("日付の印字 ---> 不可"));
}

TEST(SetPlgin, EmptyOrInvalidPathChangesNothing) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("bad.4SP"), "{\"format\": \"K41 ticket plug-in\"");
    for (const QString& path : {QString(), dir.filePath("bad.4SP"), dir.filePath("none.4SP")}) {
        FakeTarget t;
        t.comment.setPlainText(QStringLiteral("old comment"));
        t.companies.addItem(QStringLiteral("前の会社"));
        qint32 result = -1;
        PlgIn::SetPlgin(path, result, t);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(t.lines, QStringList{"(old line)"});
        EXPECT_EQ(t.comment.toPlainText(), QStringLiteral("old comment"));
        EXPECT_EQ(t.previewSize, QSize(3300, 1395));
        EXPECT_EQ(t.companies.count(), 1);
        EXPECT_TRUE(t.errors.isEmpty()) << "loading by path is silent";
    }
}

TEST(SetPlgin, ChoosingReplacesTheCompanyListAndTakesThePath) {
    FakeTarget t;
    t.picked = sample("yamabato.4SP");
    PlgIn::Command1_Click(t);
    EXPECT_EQ(t.pickerCalls, QStringList({QStringLiteral("整理券プラグイン(*.4SP)") + QChar(0) +
                                              QStringLiteral("*.4SP") + QChar(0) + QChar(0),
                                          QStringLiteral("プラグインの選択")}));
    EXPECT_EQ(t.path, sample("yamabato.4SP"));
    EXPECT_EQ(t.companies.count(), 3);

    PlgIn::Command1_Click(t); // the same again: replaced, not added
    EXPECT_EQ(t.companies.count(), 3);

    t.picked = sample("minimal.4SP");
    PlgIn::Command1_Click(t);
    EXPECT_EQ(t.path, sample("minimal.4SP"));
    EXPECT_EQ(t.companies.count(), 0) << "no company switching: the list stays empty";
    EXPECT_EQ(t.lines.size(), 6);
    EXPECT_TRUE(t.errors.isEmpty());
}

TEST(SetPlgin, RefusedChoiceShowsTheBoxAndKeepsEverything) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("not.4SP"), "MZ\x90\x00\x03");
    FakeTarget t;
    t.picked = sample("yamabato.4SP");
    PlgIn::Command1_Click(t);
    t.picked = dir.filePath("not.4SP");
    PlgIn::Command1_Click(t);
    // The box's text, then the reader's reason.
    const QString reason = TicketPluginReader::readFile(dir.filePath("not.4SP")).reason;
    ASSERT_FALSE(reason.isEmpty());
    EXPECT_EQ(t.errors,
              QStringList({"プラグインロードエラー",
                           "指定したファイルはプラグインでないか、内容が不正です\n\n" + reason}));
    EXPECT_EQ(t.path, sample("yamabato.4SP"));
    EXPECT_EQ(t.lines.size(), 10);
    EXPECT_EQ(t.companies.count(), 3) << "the plug-in still in use keeps its companies";

    t.errors.clear();
    t.picked.clear(); // cancelled
    PlgIn::Command1_Click(t);
    EXPECT_EQ(t.path, sample("yamabato.4SP"));
    EXPECT_TRUE(t.errors.isEmpty());
}

TEST(SetPlgin, CrossButtonRemovesThePluginButNotThePanelState) {
    FakeTarget t;
    t.picked = sample("yamabato.4SP");
    PlgIn::Command1_Click(t);
    PlgIn::Command11_Click(t);
    EXPECT_EQ(t.path, QString());
    EXPECT_TRUE(t.lines.isEmpty());
    EXPECT_EQ(t.comment.toPlainText(), QString());
    EXPECT_EQ(t.companies.count(), 3);
    EXPECT_EQ(t.previewSize, QSize(3300, 1680));
}

TEST(SetPlgin, CrossMarkIsDrawn) {
    const QImage mark = CrossMark::icon().pixmap(QSize(16, 16)).toImage();
    ASSERT_EQ(mark.size(), QSize(16, 16));
    // Ink where the strokes cross, nothing in the middle of the edges between the arms.
    EXPECT_GT(qAlpha(mark.pixel(8, 8)), 200);
    EXPECT_GT(qAlpha(mark.pixel(4, 4)), 200);
    EXPECT_EQ(qAlpha(mark.pixel(8, 1)), 0);
    EXPECT_EQ(qAlpha(mark.pixel(1, 8)), 0);
}
