// SPDX-License-Identifier: MIT
#include "gui/campaign_map/layout_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/base/error.h"
#include "core/campaign_map/map_exchange.h"

namespace xal::gui {
namespace {

#ifdef _WIN32
constexpr const char* kProgramName = "xal-map-layout.exe";
#else
constexpr const char* kProgramName = "xal-map-layout";
#endif

// The error the program reported when it failed, else why it did not run.
RunTimeError FailureOf(QProcess& process) {
    const std::string said = process.readAllStandardError().trimmed().toStdString();
    if (!said.empty()) return ReadErrorReport(said);
    return RunTimeError(
        ErrorNumber::FileNotFound,
        "The map's layout program did not run: " + process.errorString().toStdString(),
        "File: " + process.program().toStdString());
}

void Kill(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    process->kill();
    process->waitForFinished(-1);  // a killed process ends at once: reap it
    process.reset();
}

}  // namespace

LayoutProcess::LayoutProcess(QObject* parent) : QObject(parent) {}

LayoutProcess::~LayoutProcess() {
    Stop();
}

QString LayoutProcess::Program() {
    const QString set = qEnvironmentVariable("XAL_MAP_LAYOUT");
    if (!set.isEmpty()) return set;
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString beside = folder.filePath(kProgramName);
    if (QFileInfo::exists(beside)) return beside;
    return QDir::cleanPath(
        folder.filePath(XAL_INSTALLED_LIBEXEC_FOLDER "/" + QString(kProgramName)));
}

void LayoutProcess::Abandon() {
    if (process_) process_->disconnect(this);
    Kill(process_);
}

void LayoutProcess::Stop() {
    Abandon();
    Kill(next_);
}

void LayoutProcess::StartNext() {
    next_ = std::make_unique<QProcess>();
    next_->start(Program(), {});
}

void LayoutProcess::Start(const CampaignGraph& graph) {
    Abandon();
    // One that could not start, or has ended, is started again to tell why.
    if (!next_ || next_->state() == QProcess::NotRunning) StartNext();
    graph_ = graph;
    process_ = std::move(next_);
    connect(process_.get(), &QProcess::finished, this, [this] { Finished(); });
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) Finished();
    });
    StartNext();
    if (process_->state() == QProcess::NotRunning) return Finished();  // failed at once
    process_->write(QByteArray::fromStdString(GraphText(graph)));
    process_->closeWriteChannel();
}

bool LayoutProcess::IsRunning() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

void LayoutProcess::Finished() {
    const std::unique_ptr<QProcess> process = std::move(process_);
    process->disconnect(this);
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0 ||
        process->error() == QProcess::FailedToStart) {
        emit failed(QString::fromStdString(FailureOf(*process).Report()));
        return;
    }
    try {
        const MapLayout layout = ReadLayoutText(process->readAllStandardOutput().toStdString());
        if (layout.nodes.size() != graph_.nodes.size() ||
            layout.edges.size() != graph_.edges.size())
            Raise(ErrorNumber::TypeMismatch, "The map's layout does not fit its graph");
        emit laidOut(graph_, layout);
    } catch (const RunTimeError& error) {
        emit failed(QString::fromStdString(error.Report()));
    }
}

std::string LayoutProcess::Draw(const CampaignGraph& graph, const std::string& format) {
    QProcess process;
    process.start(Program(), {"--draw", QString::fromStdString(format)});
    process.write(QByteArray::fromStdString(GraphText(graph)));
    process.closeWriteChannel();
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw FailureOf(process);
    return process.readAllStandardOutput().toStdString();
}

}  // namespace xal::gui
