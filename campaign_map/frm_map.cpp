#include "campaign_map/frm_map.h"

#include <QHBoxLayout>
#include <QStyle>
#include <algorithm>

#include "platform/qt_text.h"

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
    lstFindings = new QListWidget(splMap);
    lstFindings->setObjectName("lstFindings");
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
    CampaignGraph graph = MapOfCampaign(campaign, findings);
    // Before the first drawing the shown map is empty, and every map has its end box.
    if (graph == graph_ && findings == findings_) return;
    if (!SameShape(graph, graph_)) layout_ = LayOutCampaign(graph);
    vwMap->Draw(graph, layout_);
    graph_ = std::move(graph);
    findings_ = std::move(findings);
    ShowFindings();
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
