// SPDX-License-Identifier: MIT
#include "gui/main_window/campaign_recovery.h"

#include <QDateTime>
#include <utility>

#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

std::int64_t Now() {
    return QDateTime::currentSecsSinceEpoch();
}

std::string RestoreQuestion(const RecoveryCopy& copy) {
    const Campaign& campaign = *copy.campaign;
    const QString madeAt =
        QDateTime::fromSecsSinceEpoch(copy.madeAt).toString("yyyy-MM-dd HH:mm:ss");
    return "The campaign " + campaign.CampaignName() +
           ".cam has changes that were not saved when the editor last ended.\r\nFile: " +
           (campaign.CampaignFile().empty() ? "none, it was never saved"
                                            : campaign.CampaignFile()) +
           "\r\nRecovery copy of " + QStringToUtf8(madeAt) +
           "\r\n\r\nRestore the campaign as it stood then?";
}

}  // namespace

CampaignRecovery::CampaignRecovery(const CampaignDocument& document, const std::string& folder,
                                   std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent), document_(document) {
    due_.setSingleShot(true);
    due_.setInterval(delay);
    connect(&due_, &QTimer::timeout, this, &CampaignRecovery::KeepCopy);
    listening_ = document.Subscribe([this](const DocumentChange&) { DocumentChanged(); });
    try {
        store_ = std::make_unique<RecoveryStore>(folder);
    } catch (const RunTimeError& error) {
        Tell(error);
    }
}

void CampaignRecovery::OfferLeftovers(
    const std::function<void(const std::shared_ptr<Campaign>&)>& show) {
    if (!store_) return;
    for (const Leftover& leftover : store_->Leftovers()) {
        if (leftover.failure) {
            platform::ShowMessage("A recovery copy could not be read; it has been kept aside.\r\n" +
                                      leftover.failure->Report(),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                                  version::FileDescription);
            continue;
        }
        const platform::MessageAnswer answer = platform::ShowMessage(
            RestoreQuestion(*leftover.copy), platform::MessageButtons::RestoreDiscard,
            platform::MessageIcon::Question, version::FileDescription);
        if (answer == platform::MessageAnswer::Discard) store_->Discard(leftover);
        if (answer != platform::MessageAnswer::Restore) continue;
        show(leftover.copy->campaign);
        // This editor's own copy first, then the old one goes: a crash between the two
        // leaves the campaign twice, never not at all.
        try {
            store_->Keep(*document_.Campaign(), Now());
            store_->Discard(leftover);
        } catch (const RunTimeError& error) {
            Tell(error);
        }
        return;
    }
}

void CampaignRecovery::DocumentChanged() {
    if (!store_) return;
    if (document_.HasUnsavedChanges()) {
        // Not restarted by later changes: typing on and on still gets its copy.
        if (!due_.isActive()) due_.start();
        return;
    }
    RemoveCopy();
}

void CampaignRecovery::ChangesDiscarded() {
    if (store_) RemoveCopy();
}

void CampaignRecovery::RemoveCopy() {
    due_.stop();
    try {
        store_->Remove();
    } catch (const RunTimeError& error) {
        Tell(error);
    }
}

void CampaignRecovery::KeepCopy() {
    if (!store_ || !document_.HasUnsavedChanges()) return;
    try {
        store_->Keep(*document_.Campaign(), Now());
    } catch (const RunTimeError& error) {
        Tell(error);
    }
}

void CampaignRecovery::Tell(const RunTimeError& error) {
    if (std::exchange(told_, true)) return;
    platform::ShowMessage(
        "The editor cannot keep a recovery copy of unsaved changes; after a crash they would "
        "be lost.\r\n" +
            error.Report(),
        platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, version::FileDescription);
}

}  // namespace xal::gui
