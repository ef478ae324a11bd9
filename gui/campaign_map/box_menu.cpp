// SPDX-License-Identifier: MIT
#include "gui/campaign_map/box_menu.h"

#include <QActionGroup>

#include "core/base/error.h"
#include "core/model/campaign_limits.h"
#include "core/model/outcomes.h"
#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

void Send(CampaignDocument& document, Byte scenario, int outcome, Byte goTo) {
    try {
        document.SendOutcomes(scenario, {outcome}, goTo);
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

}  // namespace

QMenu* BoxMenu(CampaignDocument& document, Byte scenario, const ScenarioActions& actions,
               QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const Campaign& campaign = *document.Campaign();
    const QString number = QString::number(scenario);
    menu->addAction("&Show scenario " + number, [=] { actions.show(scenario); });
    menu->addSeparator();
    for (int outcome = 0; outcome < kOutcomeCount; ++outcome) {
        QMenu* leadsTo = menu->addMenu(QString(kOutcomes[outcome].caption) + " leads to");
        auto* choices = new QActionGroup(leadsTo);
        const Byte goTo =
            campaign.ScenarioAt(scenario)->Victories()->Item(outcome + 1)->OnEndGoTo();
        auto add = [&](const QString& text, Byte target) {
            QAction* choice = leadsTo->addAction(text, [&document, scenario, outcome, target] {
                Send(document, scenario, outcome, target);
            });
            choice->setCheckable(true);
            choice->setChecked(target == goTo);
            choices->addAction(choice);
        };
        add("END", limits::kEndOfCampaign);
        for (int target = 0; target < campaign.NrOfScenarios(); ++target)
            add(QString("Scenario %1 (%2)")
                    .arg(target)
                    .arg(ToQString(campaign.ScenarioAt(static_cast<Byte>(target))->ScenarioName())),
                static_cast<Byte>(target));
    }
    menu->addSeparator();
    const struct {
        const char* caption;
        ScenarioCommand command;
        bool enabled;
    } commands[] = {
        {"Move &up", ScenarioCommand::Up, document.CanMoveScenario(scenario, MoveDirection::Up)},
        {"Move &down", ScenarioCommand::Down,
         document.CanMoveScenario(scenario, MoveDirection::Down)},
        {"&Delete scenario", ScenarioCommand::Delete, document.CanDeleteScenario()},
        {"&Add scenario", ScenarioCommand::Add, true},
    };
    for (const auto& c : commands)
        menu->addAction(c.caption, [=, command = c.command] { actions.run(scenario, command); })
            ->setEnabled(c.enabled);
    return menu;
}

}  // namespace xal::gui
