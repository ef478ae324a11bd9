// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>
#include <memory>

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"

namespace xal::gui {

// Runs the map's layout program (dot, in a program of its own) for one graph at a time,
// in the background. A new layout stops the one under way: an edit makes it stale, and
// nothing waits for it. Its memory goes with its process. The next layout's program is
// started as soon as one is needed or ended, and waits for its graph: its start (loading
// Graphviz and the fonts) is not waited for when the next edit comes.
class LayoutProcess : public QObject {
    Q_OBJECT

  public:
    explicit LayoutProcess(QObject* parent = nullptr);
    ~LayoutProcess() override;

    void Start(const CampaignGraph& graph);
    // Stops the layout under way, if any, which then tells nothing.
    void Abandon();
    // Stops it and the program waiting for the next layout: the map is closed.
    void Stop();
    bool IsRunning() const;

    // The program: XAL_MAP_LAYOUT when set, else beside the editor, else in the editor's
    // installed folder of helper programs.
    static QString Program();
    // The map drawn as a picture in a format of MapPictureFormat, waiting for the
    // program; its failure raises with what it said.
    static std::string Draw(const CampaignGraph& graph, const std::string& format);

  signals:
    void laidOut(const xal::CampaignGraph& graph, const xal::MapLayout& layout);
    // The layout failed: the error's report.
    void failed(const QString& report);

  private:
    void Finished();
    void StartNext();

    std::unique_ptr<QProcess> process_;
    std::unique_ptr<QProcess> next_;  // started, waiting for its graph
    CampaignGraph graph_;             // the one being laid out
};

}  // namespace xal::gui
