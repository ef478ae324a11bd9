// SPDX-License-Identifier: MIT
#include "platform/pictures.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>

namespace xal::gui {
namespace {

class ThemePictureEngine : public QIconEngine {
  public:
    ThemePictureEngine(QString themeName, QStyle::StandardPixmap fallback)
        : themeName_(std::move(themeName)), fallback_(fallback) {}

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
    bool isNull() override { return false; }  // the style always has its picture
    QString key() const override { return "XaLThemePicture"; }
    QIconEngine* clone() const override { return new ThemePictureEngine(*this); }

  private:
    const QIcon& Loaded() {
        if (loaded_.isNull()) {
            loaded_ = QIcon::fromTheme(themeName_);
            // The style's one small picture, not its icon of every size, whose images
            // would all be decoded.
            if (loaded_.isNull()) loaded_ = QIcon(QApplication::style()->standardPixmap(fallback_));
        }
        return loaded_;
    }

    QString themeName_;
    QStyle::StandardPixmap fallback_;
    QIcon loaded_;
};

}  // namespace

QIcon Picture(const char* themeName, QStyle::StandardPixmap fallback) {
    static QHash<QString, QIcon> made;
    const QString key = QString(themeName) + "/" + QString::number(fallback);
    auto found = made.constFind(key);
    if (found != made.constEnd()) return *found;
    return *made.insert(key, QIcon(new ThemePictureEngine(themeName, fallback)));
}

}  // namespace xal::gui
