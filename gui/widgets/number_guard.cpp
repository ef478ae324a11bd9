// SPDX-License-Identifier: MIT
#include "gui/widgets/number_guard.h"

#include <QLocale>

#include "core/base/number_text.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {

NumberFormat LocaleNumberFormat() {
    const QLocale locale;
    return {QStringToUtf8(locale.decimalPoint()), QStringToUtf8(locale.groupSeparator())};
}

std::optional<double> ReadBoxNumber(const QString& text) {
    return ReadNumber(QStringToUtf8(text), LocaleNumberFormat());
}

void GuardNumberBox(QLineEdit* box, double high, const QString& reset) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box, high, reset](const QString& text) {
        const std::optional<double> number = ReadBoxNumber(text);
        if (number && RoundHalfEven(*number) >= 0 && RoundHalfEven(*number) <= high) return;
        box->setText(reset);
    });
}

}  // namespace xal::gui
