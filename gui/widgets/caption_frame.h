// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace xal::gui {

// A frame with a bold caption, which a screen reader says as the frame's name. Only the
// caption is drawn bold: the frame's own font, which what it holds inherits, stays the
// window's, and no bold font is loaded before a frame is first drawn.
class CaptionFrame : public QGroupBox {
  public:
    CaptionFrame(const QString& caption, QWidget* parent);

    // Without a name of its own, a frame in a frame is named after the one around it.
    void SetCaption(const QString& caption);

    QFont CaptionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xal::gui
