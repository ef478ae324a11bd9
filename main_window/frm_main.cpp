#include "main_window/frm_main.h"

#include "version.h"

namespace xal::gui {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(WindowTitle());
}

QString frmMain::WindowTitle() {
    return QString("%1 - %2.%3")
        .arg(version::ProductName)
        .arg(version::Major)
        .arg(version::Minor, 2, 10, QChar('0'));
}

}  // namespace xal::gui
