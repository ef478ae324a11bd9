// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "core/model/campaign.h"
#include "core/new_campaign/campaign_generation.h"
#include "core/settings/settings.h"
#include "gui/text_editor/uc_edit.h"

namespace xal::gui {

// The new-campaign wizard: a name, a number of scenarios, the texts that mark their text
// files and the prestige they start and grow with. OK generates the campaign and makes
// it current; when it breaks a limit the messages are listed and the wizard stays open.
class frmNew : public QDialog {
    Q_OBJECT

  public:
    // The file names follow the separators of `settings`.
    frmNew(const SettingsRecord& settings, QWidget* parent);

    // The values the boxes hold, as the generation takes them.
    NewCampaignInput Input() const;

    QLineEdit* txtCampaignName = nullptr;
    QLineEdit* txtInfo = nullptr;
    QLineEdit* txtWin = nullptr;
    QLineEdit* txtLoss = nullptr;
    QLineEdit* txtNrOfScenarios = nullptr;
    QLineEdit* txtINIMax = nullptr;
    QCheckBox* chkGoto = nullptr;
    QLineEdit* txtINCMAX = nullptr;
    QLineEdit* txtINCBV = nullptr;
    QLineEdit* txtINCV = nullptr;
    QLineEdit* txtINCTV = nullptr;
    QLineEdit* txtINCL = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    // The text editor that lists the limits a campaign breaks.
    ucEdit* edtErrors = nullptr;

    // The campaign an accepted OK generated; null until then. The main window makes it
    // current: Cancel, Escape and the close box leave the current campaign as it was.
    const std::shared_ptr<Campaign>& Result() const { return result_; }

  private:
    void BuildLayout();
    void Form_Load();
    void cmdOK_Click();

    const SettingsRecord& settings_;
    std::shared_ptr<Campaign> result_;
};

}  // namespace xal::gui
