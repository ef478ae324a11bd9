#pragma once

#include <QMainWindow>

namespace xal::gui {

// The editor's main window.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // "XaL Campaign Editor - 1.00": product name, major version, minor version in two digits.
    static QString WindowTitle();
};

}  // namespace xal::gui
