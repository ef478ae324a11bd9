// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace xal::gui {

// The application's style, as it is, but for the pictures of a toolbar's extension button
// (shown only when the window is too narrow for its toolbar): Qt's toolbar asks for them
// as it is made, and the style reads them from image files, the first of which loads Qt's
// image plugins, a tenth of the editor's start. This style's pictures are read from the
// style when first drawn.
class DeferredIconStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace xal::gui
