// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/campaign_document/campaign_document.h"
#include "core/recovery/recovery_store.h"

namespace xal::gui {

// Keeps a recovery copy of the document while it has unsaved changes: at most `delay`
// after the document tells of a change the copy holds the campaign as it then stands, and
// once the changes are
// saved or dropped the copy goes. A store that cannot be had, or a copy that cannot be
// written, is told once; the editor goes on without, or tries again at the next change.
class CampaignRecovery : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kDelay{1000};

    CampaignRecovery(const CampaignDocument& document, const std::string& folder,
                     std::chrono::milliseconds delay = kDelay, QObject* parent = nullptr);

    // The copies that editors no longer running left: each is offered, the newest first,
    // until one is restored, which `show` makes the document's with its changes unsaved.
    // An unreadable copy is kept aside and told.
    void OfferLeftovers(const std::function<void(const std::shared_ptr<Campaign>&)>& show);

    // The user chose to drop the unsaved changes.
    void ChangesDiscarded();

  private:
    // The document changed: a copy is due, or no longer wanted.
    void DocumentChanged();
    void KeepCopy();
    void RemoveCopy();
    void Tell(const RunTimeError& error);

    const CampaignDocument& document_;
    std::unique_ptr<RecoveryStore> store_;
    QTimer due_;
    bool told_ = false;
    CampaignDocument::Subscription listening_;
};

}  // namespace xal::gui
