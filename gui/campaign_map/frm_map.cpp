// SPDX-License-Identifier: MIT
#include "gui/campaign_map/frm_map.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/base/error.h"
#include "core/campaign_map/map_picture.h"
#include "core/model/campaign_limits.h"
#include "core/platform/file_system.h"
#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

// Whether dot lays two maps out alike: the same boxes with the same lines, the same edges.
// The marks of problems change colours only.
bool SameShape(const CampaignGraph& a, const CampaignGraph& b) {
    auto sameBox = [](const MapNode& x, const MapNode& y) {
        return x.id == y.id && x.label == y.label;
    };
    return std::ranges::equal(a.nodes, b.nodes, sameBox) && a.edges == b.edges;
}

}  // namespace

frmMap::frmMap(CampaignDocument& document, const std::vector<Finding>& gameFiles,
               ScenarioActions actions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(document),
      gameFiles_(gameFiles),
      actions_(std::move(actions)) {
    setObjectName("frmMap");
    auto* save = new QAction("&Save Picture...", this);
    save->setObjectName("mnuSavePicture");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &frmMap::SavePicture);
    auto* tools = new QToolBar(this);
    tools->setObjectName("tbrMap");
    tools->addAction(save);
    tools->addAction("&Fit Map", [this] { vwMap->Fit(); })->setObjectName("mnuFitMap");
    splMap = new QSplitter(Qt::Horizontal, this);
    splMap->setObjectName("splMap");
    vwMap = new MapView(splMap);
    vwMap->setObjectName("vwMap");
    vwMap->setAccessibleName("Campaign map");
    lstFindings = new QListWidget(splMap);
    lstFindings->setObjectName("lstFindings");
    lstFindings->setAccessibleName("Findings");
    lstFindings->setWordWrap(true);
    lblLayingOut = new QLabel("Laying out the map\u2026", vwMap);
    lblLayingOut->setObjectName("lblLayingOut");
    lblLayingOut->setAccessibleName("Laying out the map");
    lblLayingOut->setForegroundRole(QPalette::PlaceholderText);
    lblLayingOut->move(8, 6);
    lblLayingOut->adjustSize();
    lblLayingOut->hide();
    splMap->setStretchFactor(0, 3);
    splMap->setStretchFactor(1, 1);
    splMap->setSizes({680, 280});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(splMap);
    resize(960, 720);

    connect(vwMap, &MapView::scenarioClicked, this,
            [this](int scenarioNr) { actions_.show(static_cast<Byte>(scenarioNr)); });
    connect(vwMap, &MapView::boxMenuRequested, this, [this](std::size_t box, const QPoint& at) {
        const auto scenario = static_cast<Byte>(graph_.nodes[box].number);
        BoxMenu(document_, scenario, actions_, this)->popup(at);
    });
    connect(vwMap, &MapView::edgeDropped, this, &frmMap::EdgeDropped);
    connect(lstFindings, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstFindings_ItemClick(item); });
    connect(&layingOut_, &LayoutProcess::laidOut, this, &frmMap::ShowLaidOut);
    connect(&layingOut_, &LayoutProcess::failed, this, &frmMap::LayoutFailed);
    // What changes the campaign or its file's name; neither the history nor the unsaved flag
    // shows on the map.
    listening_ = document.Subscribe([this](const DocumentChange& change) {
        if (isVisible() && change.Has(~(DocumentChange::kUnsaved | DocumentChange::kHistory)))
            ScheduleRefresh();
    });
}

void frmMap::ScheduleRefresh() {
    if (scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scheduled_ = false;
            Refresh();
        },
        Qt::QueuedConnection);
}

void frmMap::Refresh() {
    const Campaign& campaign = *document_.Campaign();
    setWindowTitle("Campaign map - " + Utf8ToQString(campaign.CampaignName()) + ".cam");
    std::vector<Finding> findings = CheckCampaign(campaign, gameFiles_);
    wanted_ = MapOfCampaign(campaign, findings);
    if (findings != findings_ || lstFindings->count() == 0) {
        findings_ = std::move(findings);
        ShowFindings();
    }
    // Before the first drawing the shown map is empty, and every map has an end box.
    if (!SameShape(wanted_, graph_)) return LayOutWanted();
    layingOut_.Abandon();  // the map is back to the shape drawn
    lblLayingOut->hide();
    if (wanted_ == graph_) return;
    vwMap->Draw(wanted_, layout_);
    graph_ = wanted_;
}

void frmMap::LayOutWanted() {
    layingOut_.Start(wanted_);
    lblLayingOut->show();
}

void frmMap::ShowLaidOut(const CampaignGraph& graph, const MapLayout& layout) {
    lblLayingOut->hide();
    if (!SameShape(graph, wanted_)) return LayOutWanted();
    layout_ = layout;
    vwMap->Draw(wanted_, layout_);
    graph_ = wanted_;
    emit drawn();
}

void frmMap::LayoutFailed(const QString& report) {
    lblLayingOut->hide();
    platform::ShowMessage(report.toStdString());
}

void frmMap::ShowFindings() {
    lstFindings->clear();
    if (findings_.empty()) {
        auto* item = new QListWidgetItem("No problems found.", lstFindings);
        item->setFlags(Qt::NoItemFlags);
        return;
    }
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const Finding& finding : findings_) {
        auto* item = new QListWidgetItem(finding.severity == Severity::Error ? error : warning,
                                         ToQString(FindingLine(finding)), lstFindings);
        if (finding.scenario) item->setData(Qt::UserRole, *finding.scenario);
    }
}

void frmMap::lstFindings_ItemClick(QListWidgetItem* item) {
    const QVariant scenarioNr = item->data(Qt::UserRole);
    if (scenarioNr.isValid()) actions_.show(static_cast<Byte>(scenarioNr.toInt()));
}

void frmMap::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A closed map lays nothing out; it is refreshed when shown again.
void frmMap::hideEvent(QHideEvent* event) {
    layingOut_.Stop();
    lblLayingOut->hide();
    QWidget::hideEvent(event);
}

void frmMap::EdgeDropped(std::size_t edge, std::size_t box) {
    const MapEdge& dragged = graph_.edges[edge];
    const MapNode& target = graph_.nodes[box];
    const Byte goTo = target.kind == MapNode::Kind::End ? limits::kEndOfCampaign
                                                        : static_cast<Byte>(target.number);
    try {
        document_.SendOutcomes(static_cast<Byte>(graph_.nodes[dragged.from].number),
                               dragged.outcomes, goTo);
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

void frmMap::SavePicture() {
    const Campaign& campaign = *document_.Campaign();
    const std::optional<platform::FilePickResult> picked =
        platform::PickFile({campaign.CampaignFolder(), campaign.CampaignName() + ".svg",
                            "Save map picture", "Map picture (*.svg *.png)", "*.svg *.png", true});
    if (!picked) return;
    try {
        const std::string format = MapPictureFormat(picked->fullPath);
        platform::ReplaceFileContents(picked->fullPath, LayoutProcess::Draw(wanted_, format));
    } catch (RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

}  // namespace xal::gui
