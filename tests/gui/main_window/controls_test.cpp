// SPDX-License-Identifier: MIT
#include <vector>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>

#include "gui/about/frm_about.h"
#ifdef XAL_CAMPAIGN_MAP
#include "gui/campaign_map/frm_map.h"
#endif
#include "gui/new_campaign/frm_new.h"
#include "gui/options/frm_options.h"
#include "gui/text_editor/frm_edit.h"
#include "gui/widgets/pictures.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/test_application.h"

namespace xal {
namespace {

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QGraphicsView*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

QString NameOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// The text of the label that names a control, if one does.
QString LabelOf(const QWidget* control) {
    for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == control) return label->text();
    return {};
}

// Every frame and control a user can reach in `window` whose name, as a screen reader reads
// it, is empty, the caption of a frame around it, for a frame not its own caption, for a
// drop-down list not its label; a line "objectName: name" each.
QString BadlyNamedControls(QWidget* window) {
    QStringList bad;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A list's header is a part of the list.
        if (!IsControl(widget) || qobject_cast<QHeaderView*>(widget) ||
            !widget->isVisibleTo(window))
            continue;
        const QString name = NameOf(widget);
        bool wrong = name.trimmed().isEmpty();
        for (QWidget* around = widget->parentWidget(); around; around = around->parentWidget())
            if (auto* frame = qobject_cast<QGroupBox*>(around)) wrong |= frame->title() == name;
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) wrong |= name != frame->title();
        if (qobject_cast<QComboBox*>(widget)) wrong |= name != LabelOf(widget);
        if (wrong) bad << widget->objectName() + ": " + name;
    }
    return bad.join("\n");
}

class AccessibleNamesTest : public test::MainWindowTest {};

TEST_F(AccessibleNamesTest, EveryControlOfEveryWindowHasANameOfItsOwn) {
    gui::frmMain& main = Window();
    Open(test::DistinctCampaign(3));
    gui::frmNew wizard(settings, &main);
    gui::frmOptions options(settings, campaigns.Path().string(), &main);
    gui::frmAbout about(&main, campaigns.Path().string());
    gui::frmEdit lineEditor(&main);
    gui::frmEdit textEditor(&main);
    textEditor.UseLayout(1);
    std::vector<QWidget*> windows{&main, &wizard, &options, &about, &lineEditor, &textEditor};
#ifdef XAL_CAMPAIGN_MAP
    const std::vector<Finding> noFindings;
    gui::frmMap map(document, noFindings, {[](Byte) {}, [](Byte, gui::ScenarioCommand) {}}, &main);
    windows.push_back(&map);
#endif
    for (QWidget* window : windows)
        EXPECT_EQ(BadlyNamedControls(window).toStdString(), "")
            << window->objectName().toStdString();
    for (const char* key : {"SAVE", "CAMP_UP", "HELP"}) {  // a toolbar button says its tool tip
        QWidget* button = main.tbMain->widgetForAction(main.ToolbarButton(key));
        EXPECT_EQ(NameOf(button), button->toolTip());
    }
}

TEST_F(AccessibleNamesTest, FramesFollowTheirCaptionsListsSayTheirEntryAndTheCountIsReadOnly) {
    Open(test::DistinctCampaign(3));
    ClickScenario(2);
    const std::pair<const char*, const char*> frames[] = {
        {"fraMain", "camp1.cam"}, {"fraScenario", "Scenario 2"}, {"fraVictory_3", "Loss"}};
    for (const auto& [frame, name] : frames) EXPECT_EQ(NameOf(Find<QGroupBox>(frame)), name);

    QAccessibleInterface* country = QAccessible::queryAccessibleInterface(List("cbxCountry"));
    EXPECT_EQ(country->role(), QAccessible::ComboBox);
    EXPECT_EQ(country->text(QAccessible::Value), "Country 7");
    QAccessibleInterface* entries = country->child(0);
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(entries->childCount(), 20) << "its entries";

    QAccessibleInterface* count =
        QAccessible::queryAccessibleInterface(Find("txtCampaignNrOfScenarios"));
    EXPECT_TRUE(count->state().readOnly);
    EXPECT_FALSE(count->state().editable);
    ASSERT_NE(count->textInterface(), nullptr);
    EXPECT_EQ(count->textInterface()->text(0, count->textInterface()->characterCount()), "3");
    const QAccessible::State prestige =
        QAccessible::queryAccessibleInterface(Find("txtCampaignPrestige"))->state();
    EXPECT_TRUE(prestige.editable);
    EXPECT_FALSE(prestige.readOnly);
}

// A picture, built in as pixels, draws at every size and in every mode as Qt's own icon of
// all the PNG files the build rendered it to.
TEST(Pictures, DrawAsAnIconOfAllTheirFiles) {
    test::EnsureApplication();
    // A picture the build lacks draws nothing and takes no room.
    EXPECT_TRUE(gui::Picture("none").pixmap(16).isNull());
    EXPECT_TRUE(gui::Picture("none").actualSize(QSize(16, 16)).isEmpty());
    for (const char* name : {"new", "program"}) {
        QIcon files;
        for (const int side : {16, 24, 32, 48, 64})
            files.addFile(QString(XAL_RENDERED_PICTURES "/%1/%2.png").arg(side).arg(name));
        const QIcon picture = gui::Picture(name);
        EXPECT_EQ(picture.availableSizes(), files.availableSizes());
        auto painted = [](const QIcon& icon, int side, QIcon::Mode mode) {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            icon.paint(&painter, image.rect(), Qt::AlignCenter, mode);
            return image;
        };
        for (const int side : {16, 20, 24, 40, 64, 80})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                SCOPED_TRACE(QString("%1 %2 %3").arg(name).arg(side).arg(mode).toStdString());
                EXPECT_EQ(picture.actualSize(QSize(side, side), mode),
                          files.actualSize(QSize(side, side), mode));
                EXPECT_EQ(picture.pixmap(side, mode).toImage(), files.pixmap(side, mode).toImage());
                EXPECT_EQ(painted(picture, side, mode), painted(files, side, mode));
            }
    }
}

// The editor's style is the one Qt chose, and its toolbar's extension button shows that
// style's pictures (which it reads when first drawn, a speed no test here can see).
TEST(Pictures, TheEditorsStyleDrawsThePicturesOfTheStyleQtChose) {
    test::EnsureApplication();
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name(), "fusion") << "Qt's choice for the offscreen windows";
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton})
        for (const int side : {8, 16, 32})
            EXPECT_EQ(style->standardIcon(which).pixmap(side).toImage(),
                      style->baseStyle()->standardIcon(which).pixmap(side).toImage())
                << which << " " << side;
}

}  // namespace
}  // namespace xal
