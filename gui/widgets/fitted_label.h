// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace xal::gui {

// A right-aligned caption. The design's font was narrower than the desktop's, so a caption
// that does not fit first grows to the left, into the free margin, then gets smaller. It
// is fitted when first shown: measuring text loads fonts, and the window starts with the
// campaign's controls hidden.
class FittedLabel : public QLabel {
  public:
    FittedLabel(const QString& text, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FitText();

    bool fitted_ = false;
};

}  // namespace xal::gui
