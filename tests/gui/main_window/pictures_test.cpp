// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QImage>

#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

// Whether any pixel of the picture is drawn.
bool Drawn(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 0) return true;
    return false;
}

class PicturesTest : public test::MainWindowTest {};

// Every button shows a picture of the program's own; all select buttons share one, as do
// all buttons that edit a text file, and every other command has one of its own (the
// campaign's and the scenario's prestige commands too).
TEST_F(PicturesTest, EveryCommandShowsAPictureOfItsOwn) {
    gui::frmMain& window = Window();
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(2)));
    QMap<QString, QImage> pictures;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->icon().isNull() || !button->isVisibleTo(&window)) continue;
        const QString name = button->objectName();
        const QString command = name.startsWith("cmdSelect")                         ? "select"
                                : name.startsWith("cmdEdit") && name.contains("TXT") ? "edit text"
                                                                                     : name;
        const QImage picture = button->icon().pixmap(16, 16).toImage();
        EXPECT_TRUE(Drawn(picture)) << name.toStdString();
        const QImage shared = pictures.value(command, picture);
        EXPECT_EQ(shared, picture) << name.toStdString();
        pictures.insert(command, picture);
    }
#ifdef XAL_CAMPAIGN_MAP
    const int toolbar = 11;
#else
    const int toolbar = 10;  // no map
#endif
    EXPECT_EQ(pictures.size(), toolbar + 5)
        << "the toolbar; select, edit text, edit scenario, up, down";
    for (auto a = pictures.cbegin(); a != pictures.cend(); ++a)
        for (auto b = std::next(a); b != pictures.cend(); ++b)
            EXPECT_NE(a.value(), b.value())
                << a.key().toStdString() << " " << b.key().toStdString();
}

}  // namespace
}  // namespace xal
