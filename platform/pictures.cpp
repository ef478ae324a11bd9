// SPDX-License-Identifier: MIT
#include "platform/pictures.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace xal::gui {
namespace {

// Draws the SVG at the sizes a toolbar, a button or a window asks for; the icon makes
// the disabled and selected looks from them as the style has them.
class SvgPictureEngine : public QIconEngine {
  public:
    explicit SvgPictureEngine(QString path) : path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return "XaLSvgPicture"; }
    QIconEngine* clone() const override { return new SvgPictureEngine(*this); }

  private:
    const QIcon& Loaded() {
        if (loaded_.isNull()) {
            QSvgRenderer renderer(path_);
            for (const int side : {16, 24, 32, 48, 64, 128}) {
                QPixmap drawn(side, side);
                drawn.fill(Qt::transparent);
                QPainter painter(&drawn);
                renderer.render(&painter);
                painter.end();
                loaded_.addPixmap(drawn);
            }
        }
        return loaded_;
    }

    QString path_;
    QIcon loaded_;
};

QIcon BuiltInPicture(const QString& path) {
    static QHash<QString, QIcon> made;
    auto found = made.constFind(path);
    if (found != made.constEnd()) return *found;
    return *made.insert(path, QIcon(new SvgPictureEngine(path)));
}

}  // namespace

QIcon Picture(const char* name) {
    return BuiltInPicture(QString(":/pictures/%1.svg").arg(name));
}

QIcon ProgramIcon() {
    return BuiltInPicture(":/pictures/program.svg");
}

}  // namespace xal::gui
