// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace xal::gui {

// A frame with a bold caption. Only the caption is drawn bold: the frame's own font, which
// what it holds inherits, stays the window's, and no bold font is loaded before a frame
// is first drawn.
class CaptionFrame : public QGroupBox {
  public:
    CaptionFrame(const QString& caption, QWidget* parent);

    QFont CaptionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xal::gui
