// The ticket plug-in on the options dialog's preview page, through the real windows: the
// silent load when the settings file is read, choosing with "...", a refused file, the
// cross button, and what the next save stores.
#include "tests/app/OptionsFixture.h"

#include "app/Startup.h"
#include "app/options/PlgInHost.h"
#include "panel/PreviewArea.h"
#include "panel/PreviewPicture.h"
#include "panel/frmCtl.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

namespace {

QString plugin(const char* name) {
    return QStringLiteral(K41_SOURCE_DIR "/samples/plugins/") + QLatin1String(name);
}

QStringList listed(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

class OptionsPluginTest : public OptionsFixture {
  protected:
    void startWithPlugin(const QString& path) {
        In4File file = sampleSettings();
        file.options.UseSeiriPrev = 1;
        file.options.SeiriPlgFile = path;
        startWith(file);
        useFakePickers();
        k41->plugins->errorBox = [this](const QString& title, const QString& text) {
            errors << title << text;
        };
    }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    QString comment() const { return find<QTextEdit>("txtPlginComment")->toPlainText(); }
    QString pathBox() const { return find<QLineEdit>("txtSeiriPlgDir")->text(); }
    QComboBox* companies() const { return panel().Combo1; }
    QSize previewSize() const { return panel().previewArea->picSeirikenPrev->size(); }

    QStringList errors;
};

TEST_F(OptionsPluginTest, SettingsFileLoadsThePluginSilently) {
    startWithPlugin(plugin("yamabato.4SP"));
    EXPECT_EQ(list()->count(), 10);
    EXPECT_EQ(list()->item(9)->text(), QStringLiteral("社名切り替え:---> 可能"));
    EXPECT_TRUE(comment().startsWith(QStringLiteral("山鳩市営バスほか2社")));
    EXPECT_EQ(previewSize(), QSize(220, 112));
    EXPECT_EQ(companies()->count(), 3);
    EXPECT_EQ(companies()->itemText(1), QStringLiteral("みさき観光バス"));
    EXPECT_EQ(companies()->currentIndex(), -1) << "no company until the user chooses one";

    // On the page, every capability line shows without scrolling.
    showOptions();
    page(5);
    EXPECT_EQ(list()->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(list()->visualItemRect(list()->item(9)).bottom(), list()->viewport()->height());

    QPushButton* remove = find<QPushButton>("Command11");
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(remove->text().isEmpty());
    EXPECT_FALSE(remove->icon().isNull()) << "the cross mark is drawn";
}

TEST_F(OptionsPluginTest, InvalidPluginInTheSettingsFileIsKeptWithoutAMessage) {
    startWithPlugin(QStringLiteral("C:\\PLG\\ticket.4SP"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(comment(), QString());
    EXPECT_EQ(pathBox(), QStringLiteral("C:\\PLG\\ticket.4SP"));
    EXPECT_EQ(previewSize(), QSize(220, 93)) << "the preview keeps its designed size";
    EXPECT_EQ(companies()->count(), 0);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(shownMessages.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(OptionsPluginTest, ChooseRefuseAndRemoveThenTheSaveStoresNoPlugin) {
    startWithPlugin(plugin("yamabato.4SP"));
    const QString notAPlugin = dir.filePath("windows.4SP");
    TestUtil::writeFile(notAPlugin, QByteArray("MZ\x90\0\x03\0\0\0", 8));

    withOptionsOpen([&](frmOption&) {
        page(5);
        pathAnswers = {plugin("minimal.4SP")};
        clickOn("Command1");
        ASSERT_EQ(pickerCalls.size(), 1);
        EXPECT_EQ(pickerCalls[0], QStringLiteral("file|プラグインの選択|整理券プラグイン(*.4SP)") +
                                      QChar(0) + QStringLiteral("*.4SP") + QChar(0) + QChar(0));
        EXPECT_EQ(pathBox(), plugin("minimal.4SP"));
        EXPECT_EQ(listed(list()),
                  QStringList({"日付の印字 ---> 不可", "時刻の印字 ---> 不可",
                               "系統番号の印字 ---> 不可", "停名の印字 ---> 可能",
                               "バーコード印字 ---> 不可", "社名切り替え:---> 不可"}));
        EXPECT_EQ(comment(), QStringLiteral("整理券番号と乗車停留所名だけを印字します。"));
        EXPECT_EQ(companies()->count(), 0) << "no company switching: the list is emptied";
        EXPECT_EQ(companies()->currentIndex(), -1);
        EXPECT_EQ(previewSize(), QSize(160, 80));

        pathAnswers = {notAPlugin};
        clickOn("Command1");
        ASSERT_EQ(errors.size(), 2);
        EXPECT_TRUE(errors[1].startsWith(
            QStringLiteral("指定したファイルはプラグインでないか、内容が不正です\n\n")))
            << errors[1].toStdString();
        EXPECT_EQ(pathBox(), plugin("minimal.4SP"));
        EXPECT_EQ(list()->count(), 6);

        clickOn("Command11");
        EXPECT_EQ(pathBox(), QString());
        EXPECT_EQ(list()->count(), 0);
        EXPECT_EQ(comment(), QString());
        EXPECT_EQ(previewSize(), QSize(160, 80)) << "the panel keeps the last plug-in's size";
    });
    EXPECT_EQ(k41->settings.SeiriPlgFile, QString());

    TestUtil::onNextModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    panel().close();
    ASSERT_TRUE(ended);
    const TestUtil::ProgramRun dump =
        TestUtil::runProgram(QStringLiteral(K41TOOL_PATH), {"in4", "dump", settingsPath()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QJsonObject saved = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    EXPECT_EQ(saved.value("SeiriPlgFile"), QJsonValue(QString()));
    EXPECT_EQ(saved.value("UseSeiriPrev"), QJsonValue(1));
}

TEST_F(OptionsPluginTest, TheErrorBoxIsAStopBoxOverTheDialog) {
    startWith(sampleSettings()); // the host keeps its own, real box
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    k41->plugins->showError(QStringLiteral("プラグインロードエラー"), QStringLiteral("内容"));
    EXPECT_EQ(title, QStringLiteral("プラグインロードエラー"));
    EXPECT_EQ(text, QStringLiteral("内容"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}
