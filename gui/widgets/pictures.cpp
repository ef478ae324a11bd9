// SPDX-License-Identifier: MIT
#include "gui/widgets/pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "gui/widgets/rendered_pictures.h"

namespace xal::gui {
namespace {

// A picture whose rendered sizes become pixmaps as they are drawn, each when a size it
// serves is first drawn. It draws as Qt's icon of all its sizes would: the smallest
// rendered size as large as the size drawn, or the largest one, scaled to it.
class BuiltInPictureEngine : public QIconEngine {
  public:
    explicit BuiltInPictureEngine(const QString& name) {
        for (const RenderedPicture& rendered : RenderedPictures())
            if (name == QLatin1String(rendered.name)) sizes_.push_back(&rendered);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale =
            painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        Drawn(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Drawn(size).pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (sizes_.empty()) return {};
        const int side = std::min({size.width(), size.height(), sizes_.back()->side});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const RenderedPicture* rendered : sizes_)
                sizes.append({rendered->side, rendered->side});
        return sizes;
    }
    QString key() const override { return "xal_built_in_picture"; }
    QIconEngine* clone() const override { return new BuiltInPictureEngine(*this); }

  private:
    // The sizes drawn so far, with the one that serves `size` among them.
    const QIcon& Drawn(const QSize& size) {
        if (sizes_.empty()) return drawn_;
        const qint64 area = qint64(size.width()) * size.height();
        const RenderedPicture& serving = **std::find_if(
            sizes_.begin(), sizes_.end() - 1, [area](const RenderedPicture* rendered) {
                return rendered->side * rendered->side >= area;
            });
        const QSize side(serving.side, serving.side);
        if (!drawn_.availableSizes().contains(side))
            drawn_.addPixmap(QPixmap::fromImage(
                QImage(serving.rgba, side.width(), side.height(), QImage::Format_RGBA8888)));
        return drawn_;
    }

    std::vector<const RenderedPicture*> sizes_;
    QIcon drawn_;
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
