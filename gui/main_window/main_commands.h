// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QHash>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "core/campaign_document/campaign_document.h"
#include "core/settings/settings.h"

namespace xal::gui {

// The main window's commands, as its menus and its toolbar offer them: a toolbar button is
// its menu item's action, so the two share one enabled flag.
class MainCommands {
  public:
    // The toolbar's buttons by their keys.
    QAction* ToolbarButton(const QString& key) const { return toolbarButtons_.value(key); }

    QToolBar* tbMain = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuCamp_Up = nullptr;
    QAction* mnuCamp_Down = nullptr;
    QAction* mnuScn_Up = nullptr;
    QAction* mnuScn_Down = nullptr;
    QAction* mnuReport = nullptr;
    QAction* mnuMap = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuAbout = nullptr;

  protected:
    // The menus of `window`, and the toolbar across the top of `client`.
    void BuildCommands(QMainWindow* window, QWidget* client);
    // Every command's enabled flag, caption and tool tip, from the document and the settings.
    void ShowCommandStates(const CampaignDocument& document, const SettingsRecord& settings);

  private:
    void BuildMenus(QMainWindow* window);
    void BuildToolbar();

    QHash<QString, QAction*> toolbarButtons_;
};

}  // namespace xal::gui
