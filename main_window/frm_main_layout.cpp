// SPDX-License-Identifier: MIT
// The main window's design: every control with its name, place, caption and tool tip.
// Places are in twips, 15 to the pixel, relative to the control's container.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "main_window/fitted_label.h"
#include "main_window/frm_main.h"
#include "model/outcomes.h"
#include "platform/pictures.h"

namespace xal::gui {
namespace {

constexpr int kTwipsPerPixel = 15;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
    if (name) widget->setObjectName(name);
    widget->setGeometry(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                        height / kTwipsPerPixel);
    return widget;
}

// Keeps a list's header hidden until the list is first shown: sizing the header measures
// its captions in bold, and loading that font would hold up start-up while the campaign's
// controls are still hidden.
class HeaderShownWithList : public QObject {
  public:
    explicit HeaderShownWithList(QTreeView* list) : QObject(list) {
        list->header()->hide();
        list->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* list = static_cast<QTreeView*>(watched);
            list->removeEventFilter(this);
            list->header()->show();
            deleteLater();
        }
        return false;
    }
};

QLabel* AddLabel(QWidget* parent, const char* text, int left, int top, int width, int height) {
    return Place(new FittedLabel(text, parent), nullptr, left, top, width, height);
}

// A screen reader names a box after its label.
template <typename Control>
Control* Labelled(QLabel* label, Control* control) {
    label->setBuddy(control);
    return control;
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                      const QString& toolTip) {
    auto* box = Place(new QLineEdit(parent), name, left, top, width, height);
    box->setToolTip(toolTip);
    return box;
}

QPushButton* AddPictureButton(QWidget* parent, const char* name, int left, int top, int width,
                              int height, const QIcon& picture, const QString& toolTip) {
    auto* button = Place(new QPushButton(parent), name, left, top, width, height);
    button->setIcon(picture);
    button->setToolTip(toolTip);
    // Without a caption, a screen reader says what the tool tip says.
    button->setAccessibleName(toolTip);
    return button;
}

DropDownList* AddDropDownList(QWidget* parent, const char* name, int left, int top, int width,
                              int height, const QString& toolTip) {
    auto* list = Place(new DropDownList(parent), name, left, top, width, height);
    list->setToolTip(toolTip);
    return list;
}

CaptionFrame* AddFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                       int width, int height) {
    return Place(new CaptionFrame(caption, parent), name, left, top, width, height);
}

const int kVictoryPlace[kOutcomeCount][2] = {{120, 1680}, {4200, 1680}, {120, 3240}, {4200, 3240}};
const char* const kGotoToolTip[kOutcomeCount] = {
    "After achieving a brilliant victory, go to...", "After achieving a victory, go to...",
    "After achieving a tactical victory, go to...", "After suffering a defeat, go to..."};
const char* const kVictoryTextToolTip[kOutcomeCount] = {
    "(Highly Recommended, but Optional) Text file displayed when the player achieves a brilliant "
    "victory. This can be any .txt file.",
    "(Highly Recommended, but Optional) Text file displayed when the player achieves a victory. "
    "This can be any .txt file.",
    "(Highly Recommended, but Optional) Text file displayed when the player achieves a tactical "
    "victory. This can be any .txt file.",
    "(Highly Recommended, but Optional) Text file displayed when the player loses the scenario. "
    "This can be any .txt file."};
const char* const kMovieToolTip = "(Optional) Select movie file. This can be any .mov file.";
const char* const kTextToolTip = "(Required) Select text file. This can be any .txt file.";

}  // namespace

void frmMain::BuildLayout() {
    // The design's 8.25-point font: the labels are sized for it.
    QFont designFont = font();
    designFont.setPointSizeF(8.25);
    setFont(designFont);

    ilMain = {
        {"NEW", Picture("new")},
        {"UP", Picture("up")},
        {"DOWN", Picture("down")},
        {"OPEN", Picture("open")},
        {"SAVE", Picture("save")},
        {"UPCAMP", Picture("raise_all")},
        {"DOWNCAMP", Picture("lower_all")},
        {"UPSCEN", Picture("raise_one")},
        {"DOWNSCEN", Picture("lower_one")},
        {"REPORT", Picture("report")},
        {"MAP", Picture("map")},
        {"OPTIONS", Picture("options")},
        {"HELP", Picture("help")},
    };

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(11895 / kTwipsPerPixel, 7335 / kTwipsPerPixel);
    setCentralWidget(client);

    tbMain = Place(new QToolBar(client), "tbMain", 0, 0, 11895, 330);
    tbMain->setIconSize(QSize(16, 16));
    fraMain = AddFrame(client, "fraMain", "Campaign", 120, 480, 11685, 6735);
    fraMain->hide();
    BuildCampaignFrame();
    BuildScenarioFrame();
    BuildMenus();
    BuildToolbar();
    edtMain = new ucEdit(client);
    edtMain->setObjectName("edtMain");
    edtMain->hide();

    // A fixed window: no maximize box, minimize box present.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (QScreen* display = screen()) move(display->availableGeometry().center() - rect().center());
}

void frmMain::BuildCampaignFrame() {
    QWidget* f = fraMain;
    txtCampaignNrOfScenarios = Labelled(AddLabel(f, "Number of scenarios:", 240, 270, 2175, 255),
                                        AddTextBox(f, "txtCampaignNrOfScenarios", 2520, 240, 615,
                                                   285, "Number of scenarios in this campaign"));
    txtCampaignNrOfScenarios->setReadOnly(true);
    QPalette buttonFace = txtCampaignNrOfScenarios->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    txtCampaignNrOfScenarios->setPalette(buttonFace);
    txtCampaignPrestige = Labelled(
        AddLabel(f, "Prestige at start of campaign:", 240, 630, 2175, 255),
        AddTextBox(f, "txtCampaignPrestige", 2520, 600, 615, 285, "Prestige at start of campaign"));

    const QIcon select = Picture("select_file");
    const QIcon editText = Picture("edit_text");
    txtCampaignVictoryMOV =
        Labelled(AddLabel(f, "MOV file for winning:", 3240, 270, 1695, 255),
                 AddTextBox(f, "txtCampaignVictoryMOV", 5040, 240, 1935, 285, kMovieToolTip));
    cmdSelectCampaignVictoryMOV = AddPictureButton(f, "cmdSelectCampaignVictoryMOV", 7080, 240, 300,
                                                   285, select, "Select campaign victory MOV file");
    txtCampaignDefeatMOV =
        Labelled(AddLabel(f, "MOV file for losing:", 3240, 630, 1695, 255),
                 AddTextBox(f, "txtCampaignDefeatMOV", 5040, 600, 1935, 285, kMovieToolTip));
    cmdSelectCampaignDefeatMOV = AddPictureButton(f, "cmdSelectCampaignDefeatMOV", 7080, 600, 300,
                                                  285, select, "Select campaign loss MOV file");
    txtCampaignTXT = Labelled(AddLabel(f, "Campaign intro TXT file:", 3240, 990, 1695, 255),
                              AddTextBox(f, "txtCampaignTXT", 5040, 960, 1935, 285, kTextToolTip));
    cmdSelectCampaignTXT = AddPictureButton(f, "cmdSelectCampaignTXT", 7080, 960, 300, 285, select,
                                            "Select campaign TXT file");
    cmdEditCampaignTXT = AddPictureButton(f, "cmdEditCampaignTXT", 7440, 960, 300, 285, editText,
                                          "Edit campaign TXT file");
    cbxCountry = Labelled(AddLabel(f, "Country:", 7800, 270, 975, 255),
                          AddDropDownList(f, "cbxCountry", 8880, 240, 2490, 315, "Select country"));

    lvScenarios = Place(new QTreeWidget(f), "lvScenarios", 120, 1440, 2535, 4695);
    lvScenarios->setToolTip("List of scenarios in the campaign");
    lvScenarios->setAccessibleName(lvScenarios->toolTip());
    lvScenarios->setColumnCount(2);
    lvScenarios->setHeaderLabels({"Nr.", "Scenario"});
    lvScenarios->setRootIsDecorated(false);
    new HeaderShownWithList(lvScenarios);
    lvScenarios->setColumnWidth(0, 420 / kTwipsPerPixel);
    lvScenarios->setColumnWidth(1, 1800 / kTwipsPerPixel);
    cmdUp = AddPictureButton(f, "cmdUp", 2760, 3360, 375, 375, ilMain["UP"],
                             "Move selected scenario up");
    cmdDown = AddPictureButton(f, "cmdDown", 2760, 3840, 375, 375, ilMain["DOWN"],
                               "Move selected scenario down");
    cmdAdd = Place(new QPushButton("&Add", f), "cmdAdd", 840, 6240, 855, 375);
    cmdAdd->setToolTip("Add new scenario");
    cmdDelete = Place(new QPushButton("&Delete", f), "cmdDelete", 1800, 6240, 855, 375);
    cmdDelete->setToolTip("Delete selected scenario");
    fraScenario = AddFrame(f, "fraScenario", "Scenario", 3240, 1320, 8295, 4815);
}

void frmMain::BuildScenarioFrame() {
    QWidget* f = fraScenario;
    const QIcon select = Picture("select_file");
    const QIcon editText = Picture("edit_text");
    txtScenario =
        Labelled(AddLabel(f, "Scenario SCN File:", 360, 270, 1335, 255),
                 AddTextBox(f, "txtScenario", 1800, 240, 1935, 285,
                            "(Required) Select scenario file. This can be any .scn file."));
    cmdSelectScenario =
        AddPictureButton(f, "cmdSelectScenario", 3840, 240, 300, 285, select, "Select scenario");
    cmdEditScenario =
        AddPictureButton(f, "cmdEditScenario", 4200, 240, 300, 285, Picture("edit_scenario"),
                         "Edit scenario with RH XaL Editor");
    txtScenarioNr = AddTextBox(f, "txtScenarioNr", 5520, 240, 615, 285, {});
    txtScenarioNr->hide();
    txtScenarioTXT = Labelled(
        AddLabel(f, "Intro TXT File:", 360, 630, 1320, 255),
        AddTextBox(
            f, "txtScenarioTXT", 1800, 600, 1935, 285,
            "(Highly Recommended, but Optional) Select text file. This can be any .txt file."));
    cmdSelectScenarioTXT = AddPictureButton(f, "cmdSelectScenarioTXT", 3840, 600, 300, 285, select,
                                            "Select scenario intro TXT file");
    cmdEditScenarioTXT = AddPictureButton(f, "cmdEditScenarioTXT", 4200, 600, 300, 285, editText,
                                          "Edit scenario intro TXT file");
    txtScenarioMOV = Labelled(AddLabel(f, "MOV File:", 360, 990, 1335, 255),
                              AddTextBox(f, "txtScenarioMOV", 1800, 960, 1935, 285, kMovieToolTip));
    cmdSelectScenarioMOV = AddPictureButton(f, "cmdSelectScenarioMOV", 3840, 960, 300, 285, select,
                                            "Select scenario MOV file");
    txtScenarioPrestige = Labelled(AddLabel(f, "Max prestige:", 360, 1350, 1335, 255),
                                   AddTextBox(f, "txtScenarioPrestige", 1800, 1320, 615, 285,
                                              "This is the maximum prestige allowed at the "
                                              "beginning of the scenario, though the player "
                                              "can gain more during the scenario."));
    for (int i = 0; i < kOutcomeCount; ++i) BuildVictoryFrame(i);
}

void frmMain::BuildVictoryFrame(int i) {
    const std::string suffix = "_" + std::to_string(i);
    auto name = [&](const char* base) { return QByteArray(base).append(suffix.c_str()); };
    const QString word = kOutcomes[i].commandWord;
    const QIcon select = Picture("select_file");
    const QIcon editText = Picture("edit_text");

    CaptionFrame* f = AddFrame(fraScenario, name("fraVictory").constData(), kOutcomes[i].caption,
                               kVictoryPlace[i][0], kVictoryPlace[i][1], 3975, 1455);
    fraVictory[i] = f;
    txtVictoryTXT[i] = Labelled(AddLabel(f, "TXT File:", 120, 270, 855, 255),
                                AddTextBox(f, name("txtVictoryTXT").constData(), 1080, 240, 1935,
                                           285, kVictoryTextToolTip[i]));
    cmdSelectVictoryTXT[i] = AddPictureButton(f, name("cmdSelectVictoryTXT").constData(), 3120, 240,
                                              300, 285, select, "Select " + word + " TXT file");
    cmdEditVictoryTXT[i] = AddPictureButton(f, name("cmdEditVictoryTXT").constData(), 3480, 240,
                                            300, 285, editText, "Edit " + word + " TXT file");
    txtVictoryMOV[i] = Labelled(
        AddLabel(f, "MOV File:", 120, 630, 855, 255),
        AddTextBox(f, name("txtVictoryMOV").constData(), 1080, 600, 1935, 285, kMovieToolTip));
    cmdSelectVictoryMOV[i] = AddPictureButton(f, name("cmdSelectVictoryMOV").constData(), 3120, 600,
                                              300, 285, select, "Select " + word + " MOV file");
    txtVictoryPrestige[i] =
        Labelled(AddLabel(f, "Prestige:", 120, 990, 855, 255),
                 AddTextBox(f, name("txtVictoryPrestige").constData(), 1080, 960, 615, 285,
                            "This is the cumulative amount of prestige (for the entire campaign "
                            "thusfar) that will be "
                            "awarded to the player on the next scenario."));
    cbxVictoryGoto[i] = Labelled(AddLabel(f, "Go to:", 1800, 990, 495, 255),
                                 AddDropDownList(f, name("cbxVictoryGoto").constData(), 2400, 960,
                                                 1410, 315, kGotoToolTip[i]));
}

void frmMain::BuildMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption, bool enabled) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        return action;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    mnuNew = item(file, "mnuNew", "&New...", true);
    mnuOpen = item(file, "mnuOpen", "&Open...", true);
    mnuRecent = file->addMenu("Open &Recent");
    mnuRecent->setObjectName("mnuRecent");
    // Filled as the menu opens, so the list is read only when wanted and is always the
    // settings' latest, even when another editor changed it.
    connect(file, &QMenu::aboutToShow, this, &frmMain::RefreshRecentCampaigns);
    mnuSave = item(file, "mnuSave", "&Save", false);
    mnuSaveAs = item(file, "mnuSaveAs", "Save &As...", false);
    file->addSeparator()->setObjectName("mnuSeparator");
    mnuExit = item(file, "mnuExit", "E&xit", true);
    // The desktop's usual keys; a disabled item ignores its key. Where the platform names
    // no key for a command, the common one stands in.
    const std::tuple<QAction*, QKeySequence::StandardKey, QKeySequence> keys[] = {
        {mnuNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {mnuOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {mnuSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {mnuSaveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {mnuExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [action, standard, common] : keys) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(standard);
        if (!sequences.contains(common)) sequences.prepend(common);
        action->setShortcuts(sequences);
    }

    // One history of the campaign's edits, for the menu and for the keys in any field.
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    mnuUndo = item(edit, "mnuUndo", "&Undo", false);
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = item(edit, "mnuRedo", "&Redo", false);
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    mnuCamp_Up = item(tools, "mnuCamp_Up", "", false);
    mnuCamp_Up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    mnuCamp_Down = item(tools, "mnuCamp_Down", "", false);
    mnuCamp_Down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    mnuScn_Up = item(tools, "mnuScn_Up", "", false);
    mnuScn_Up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    mnuScn_Down = item(tools, "mnuScn_Down", "", false);
    mnuScn_Down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    tools->addSeparator()->setObjectName("mnuSeparator2");
    mnuReport = item(tools, "mnuReport", "&Save campaign report", false);
    mnuMap = item(tools, "mnuMap", "Campaign &map", false);
#ifndef XAL_CAMPAIGN_MAP
    mnuMap->setVisible(false);  // no Graphviz in this build: no map, in the menu or toolbar
#endif
    tools->addSeparator()->setObjectName("mnuSeparator1");
    mnuOptions = item(tools, "mnuOptions", "&Options...", true);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    mnuAbout = item(help, "mnuAbout", "&About...", true);
}

void frmMain::BuildToolbar() {
    struct Button {
        const char* key;
        const char* image;
        QAction* command;
        const char* toolTip;
    };
    // A button is its menu item's action, so the two share one enabled flag. A null key is
    // a separator; the prestige buttons get their tool tips with their captions.
    const Button buttons[] = {
        {"NEW", "NEW", mnuNew, "New campaign"},
        {"OPEN", "OPEN", mnuOpen, "Open campaign"},
        {"SAVE", "SAVE", mnuSave, "Save campaign"},
        {nullptr, nullptr, nullptr, nullptr},
        {"CAMP_UP", "UPCAMP", mnuCamp_Up, nullptr},
        {"CAMP_DOWN", "DOWNCAMP", mnuCamp_Down, nullptr},
        {"SCN_UP", "UPSCEN", mnuScn_Up, nullptr},
        {"SCN_DOWN", "DOWNSCEN", mnuScn_Down, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"REPORT", "REPORT", mnuReport, "Save campaign report"},
        {"MAP", "MAP", mnuMap, "Campaign map"},
        {nullptr, nullptr, nullptr, nullptr},
        {"OPTIONS", "OPTIONS", mnuOptions, "Options"},
        {nullptr, nullptr, nullptr, nullptr},
        {"HELP", "HELP", mnuAbout, "Help/About"},
    };
    for (const Button& button : buttons) {
        if (!button.key) {
            tbMain->addSeparator();
            continue;
        }
        QAction* action = button.command;
        action->setIcon(ilMain.value(button.image));
        // The menus show captions only.
        action->setIconVisibleInMenu(false);
        action->setData(QString(button.key));
        // The button's text, which only a screen reader says, is its tool tip.
        if (button.toolTip) {
            action->setToolTip(button.toolTip);
            action->setIconText(button.toolTip);
        }
        tbMain->addAction(action);
        tbMain->widgetForAction(action)->setObjectName(QString("tbMain_") + button.key);
        toolbarButtons_.insert(button.key, action);
    }
}

}  // namespace xal::gui
