#pragma once
// The ticket plug-in host of the options dialog: brings the preview page's "..." (Command1)
// and cross (Command11) buttons to life, loads the plug-in named by the settings when the
// settings file is read (silently), and reaches the operation panel's preview for the
// ticket's size and the company list. SetPlgin's rules are in SetPlgin.h.
//
// The host exists from the start; the dialog may come later (it is built when first wanted).
// A plug-in loaded before then gives the panel its size and companies at once, and the
// capability lines and the comment are kept here until the dialog's page takes them.
#include "app/options/SetPlgin.h"

#include <QObject>
#include <QPointer>
#include <functional>

class PreviewArea;
class frmOption;
struct Settings;

class PlgInHost : public QObject, public PlgInTarget {
    Q_OBJECT
  public:
    // `store` is the live settings store. Both must outlive the host.
    PlgInHost(Settings& store, PreviewArea& panelPreview);

    // Loads the plug-in at `path` (empty: none) silently, as the settings file's load does.
    void load(const QString& path);
    // Wires the dialog's preview page to the host and hands it what a load before it kept.
    void attach(frmOption& dialog);

    // Shows the load error box (a stop icon, OK only) over the dialog. Tests replace it.
    std::function<void(const QString& title, const QString& text)> errorBox;

    void setCapabilityLines(const QStringList& lines) override;
    QTextEdit* commentBox() override;
    void setPluginPath(const QString& path) override;
    void setPreviewSize(int widthTwips, int heightTwips) override;
    QComboBox* companyList() override;
    QString pickFile(const QString& filter, const QString& title) override;
    void showError(const QString& title, const QString& text) override;

  private:
    Settings& m_store;
    PreviewArea& m_panelPreview;
    QPointer<frmOption> m_dialog;
    // What the page will show, while there is no page.
    QStringList m_lines;
    QString m_comment;
};
