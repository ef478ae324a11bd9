#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "settings/settings.h"

namespace xal::gui {

class frmMain;

// The options: the external scenario editor, the game folder, the six file-name
// separators and the prestige increment. OK stores them and brings the main window's
// commands up to date; Cancel changes nothing.
class frmOptions : public QDialog {
    Q_OBJECT

  public:
    explicit frmOptions(frmMain& owner);

    // The settings as the boxes hold them.
    SettingsRecord Entered() const;

    QLineEdit* txtRHXaLScenarioEditor = nullptr;
    QPushButton* cmdSelectRHXaLScenarioEditor = nullptr;
    QLineEdit* txtXaLPath = nullptr;
    QPushButton* cmdSelectXaLPath = nullptr;
    QLineEdit* txtScenarioFileSeparator = nullptr;
    QLineEdit* txtInfoFileSeparator = nullptr;
    QLineEdit* txtBVFileSeparator = nullptr;
    QLineEdit* txtVFileSeparator = nullptr;
    QLineEdit* txtTVFileSeparator = nullptr;
    QLineEdit* txtLFileSeparator = nullptr;
    QLineEdit* txtPrestigeIncrement = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    void BuildLayout();
    void Form_Load();
    void cmdSelectRHXaLScenarioEditor_Click();
    void cmdSelectXaLPath_Click();
    void cmdOK_Click();

    frmMain& owner_;
};

}  // namespace xal::gui
