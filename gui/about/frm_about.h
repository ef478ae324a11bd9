// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

namespace xal::gui {

// The About box: the program's name, version and copyright notice from its version
// information, and the read-me file from the program's folder. OK, Enter and Escape close
// it.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // `programFolder` is where the read-me is looked for: the executable's folder unless a
    // caller names another.
    explicit frmAbout(QWidget* parent = nullptr,
                      const std::string& programFolder = ProgramFolder());

    // The folder that holds the program's executable, without a trailing separator.
    static std::string ProgramFolder();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QFrame* lineWhite = nullptr;
    QFrame* lineGrey = nullptr;
    QPlainTextEdit* txtComments = nullptr;
    QPushButton* cmdOK = nullptr;

  private:
    void Form_Load();
    void cmdOK_Click();

    std::string programFolder_;
};

}  // namespace xal::gui
