// SPDX-License-Identifier: MIT
#include "gui/widgets/pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <iterator>

namespace xal::gui {
namespace {

// The sizes the build renders each picture in (pictures/CMakeLists.txt), smallest first.
constexpr int kSizes[] = {16, 24, 32, 48, 64};

// A picture whose rendered files are read as it is drawn, each file when a size it serves
// is first drawn: Qt's own icon reads every file it is given at once. It draws as that
// icon would with all the files: the smallest file as large as the size drawn, or the
// largest one, scaled to it.
class BuiltInPictureEngine : public QIconEngine {
  public:
    explicit BuiltInPictureEngine(QString name) : name_(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale =
            painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        Files(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Files(size).pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), std::end(kSizes)[-1]});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const int side : kSizes) sizes.append({side, side});
        return sizes;
    }
    QString key() const override { return "xal_built_in_picture"; }
    QIconEngine* clone() const override { return new BuiltInPictureEngine(*this); }

  private:
    // The files read so far, with the one that serves `size` among them.
    const QIcon& Files(const QSize& size) {
        const qint64 area = qint64(size.width()) * size.height();
        const int side =
            *std::find_if(std::begin(kSizes), std::end(kSizes) - 1,
                          [area](int rendered) { return rendered * rendered >= area; });
        if (!files_.availableSizes().contains(QSize(side, side)))
            files_.addFile(QString(":/pictures/%1/%2.png").arg(side).arg(name_), QSize(side, side));
        return files_;
    }

    QString name_;
    QIcon files_;
};

QIcon BuiltInPicture(const QString& name) {
    static QHash<QString, QIcon> made;
    auto found = made.constFind(name);
    if (found != made.constEnd()) return *found;
    return *made.insert(name, QIcon(new BuiltInPictureEngine(name)));
}

}  // namespace

QIcon Picture(const char* name) {
    return BuiltInPicture(name);
}

QIcon ProgramIcon() {
    return BuiltInPicture("program");
}

}  // namespace xal::gui
