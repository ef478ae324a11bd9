#include "platform/number_guard.h"

#include "model/conversions.h"
#include "platform/qt_text.h"

namespace xal::gui {

void GuardNumberBox(QLineEdit* box, double high, const QString& reset) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box, high, reset](const QString& text) {
        const std::optional<double> number = ReadNumber(FromQString(text));
        if (number && RoundHalfEven(*number) >= 0 && RoundHalfEven(*number) <= high) return;
        box->setText(reset);
    });
}

}  // namespace xal::gui
