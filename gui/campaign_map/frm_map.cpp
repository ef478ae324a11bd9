// SPDX-License-Identifier: MIT
#include "gui/campaign_map/frm_map.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "core/base/error.h"
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

frmMap::frmMap(const CampaignDocument& document, std::function<void(Byte)> showScenario,
               QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), showScenario_(std::move(showScenario)) {
    setObjectName("frmMap");
    splMap = new QSplitter(Qt::Horizontal, this);
    splMap->setObjectName("splMap");
    vwMap = new MapView(splMap);
    vwMap->setObjectName("vwMap");
    vwMap->setAccessibleName("Campaign map");
    lstFindings = new QListWidget(splMap);
    lstFindings->setObjectName("lstFindings");
    lstFindings->setAccessibleName("Findings");
    lstFindings->setWordWrap(true);
    splMap->setStretchFactor(0, 3);
    splMap->setStretchFactor(1, 1);
    splMap->setSizes({680, 280});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splMap);
    resize(960, 720);

    connect(vwMap, &MapView::scenarioClicked, this,
            [this](int scenarioNr) { showScenario_(static_cast<Byte>(scenarioNr)); });
    connect(lstFindings, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstFindings_ItemClick(item); });
    connect(&layingOut_, &QFutureWatcher<LaidOut>::finished, this, [this] { ShowLaidOut(); });
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
    std::vector<Finding> findings = CheckCampaign(campaign);
    wanted_ = MapOfCampaign(campaign, findings);
    if (findings != findings_ || lstFindings->count() == 0) {
        findings_ = std::move(findings);
        ShowFindings();
    }
    // Before the first drawing the shown map is empty, and every map has its end box.
    if (wanted_ == graph_) return;
    if (!SameShape(wanted_, graph_)) return LayOutWanted();
    vwMap->Draw(wanted_, layout_);
    graph_ = wanted_;
}

void frmMap::LayOutWanted() {
    // One layout at a time: Graphviz is not reentrant. The one under way is followed by
    // the latest map's when it ends.
    if (layingOut_.isRunning()) return;
    layingOut_.setFuture(QtConcurrent::run([graph = wanted_]() -> LaidOut {
        try {
            return {graph, LayOutCampaign(graph), {}};
        } catch (const RunTimeError& error) {
            return {graph, {}, error.Report()};
        }
    }));
}

void frmMap::ShowLaidOut() {
    LaidOut laidOut = layingOut_.result();
    if (!laidOut.error.empty()) {
        platform::ShowMessage(laidOut.error);
        return;
    }
    if (SameShape(wanted_, graph_)) return;  // the map came back to the drawn shape
    if (!SameShape(laidOut.graph, wanted_)) return LayOutWanted();
    layout_ = std::move(laidOut.layout);
    vwMap->Draw(wanted_, layout_);
    graph_ = wanted_;
    emit drawn();
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
    if (scenarioNr.isValid()) showScenario_(static_cast<Byte>(scenarioNr.toInt()));
}

}  // namespace xal::gui
