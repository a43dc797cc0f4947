#pragma once
// The ticket plug-in host of the options dialog: brings the preview page's "..." (Command1)
// and cross (Command11) buttons to life, loads the plug-in named by the settings when the
// settings file is read (silently), and reaches the operation panel's preview for the
// ticket's size and the company list. SetPlgin's rules are in SetPlgin.h.
#include "app/options/SetPlgin.h"

#include <QObject>
#include <functional>

class PreviewArea;
class frmOption;

class PlgInHost : public QObject, public PlgInTarget {
    Q_OBJECT
  public:
    // Both must outlive the host.
    PlgInHost(frmOption& dialog, PreviewArea& panelPreview);

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
    frmOption& m_dialog;
    PreviewArea& m_panelPreview;
};
