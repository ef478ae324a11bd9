// SPDX-License-Identifier: MIT
#include "gui/widgets/pictures.h"

#include <QHash>

namespace xal::gui {
namespace {

// The sizes the build renders each picture in (pictures/CMakeLists.txt).
constexpr int kSizes[] = {16, 24, 32, 48, 64};

QIcon BuiltInPicture(const QString& name) {
    static QHash<QString, QIcon> made;
    auto found = made.constFind(name);
    if (found != made.constEnd()) return *found;
    // Each file is read only when its size is first drawn.
    QIcon picture;
    for (const int size : kSizes)
        picture.addFile(QString(":/pictures/%1/%2.png").arg(size).arg(name), QSize(size, size));
    return *made.insert(name, picture);
}

}  // namespace

QIcon Picture(const char* name) {
    return BuiltInPicture(name);
}

QIcon ProgramIcon() {
    return BuiltInPicture("program");
}

}  // namespace xal::gui
