#include "platform/SpinEdit.h"

#include "platform/AppError.h"
#include "platform/NumberText.h"

#include <QLineEdit>
#include <charconv>
#include <cmath>

namespace tivrel {

namespace {

// Rounds a positive decimal text "ddd.ffffff" to two decimals, a half going up.
std::string roundTextToHundredths(const std::string& text) {
    const auto point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string frac = point == std::string::npos ? "" : text.substr(point + 1);
    frac.resize(std::max<std::size_t>(frac.size(), 3), '0');
    const bool up = frac[2] >= '5';
    std::string digits = whole + frac.substr(0, 2);
    if (up) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[static_cast<std::size_t>(i)];
    }
    return digits.substr(0, digits.size() - 2) + "," + digits.substr(digits.size() - 2);
}

} // namespace

std::string formatSpinValue(double value, bool twoDecimals) {
    if (!std::isfinite(value))
        value = 0;
    if (!twoDecimals)
        return intToStr(static_cast<std::int64_t>(std::nearbyint(value)));
    // Twelve decimals keep the digits the user meant (1,005 is 1,00499999... in binary) while
    // dropping the binary noise that lies far beyond them.
    char buf[128];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, 12);
    std::string text = roundTextToHundredths(std::string(buf, res.ptr));
    if (value < 0 && text != "0,00")
        text.insert(text.begin(), '-');
    return text;
}

SpinEdit::SpinEdit(Kind kind, double minimum, double maximum, double step, double start,
                   QWidget* parent)
    : QAbstractSpinBox(parent), kind_(kind), minimum_(minimum), maximum_(maximum), step_(step) {
    setAccelerated(false);
    setKeyboardTracking(false);
    setValue(start);
}

double SpinEdit::value() const {
    try {
        return strToFloat(lineEdit()->text().toStdString());
    } catch (const ConvertError&) {
        return minimum_;
    }
}

double SpinEdit::limit(double value) const {
    if (!(value >= minimum_))
        return minimum_;
    if (value > maximum_)
        return maximum_;
    return value;
}

void SpinEdit::setValue(double value) {
    const QString text =
        QString::fromStdString(formatSpinValue(limit(value), kind_ == Kind::TwoDecimals));
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

double SpinEdit::limitedValue() {
    setValue(value());
    return value();
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString&) const {}

void SpinEdit::stepBy(int steps) {
    setValue(value() + steps * step_);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    const double v = value();
    if (v < maximum_)
        enabled |= StepUpEnabled;
    if (v > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    setValue(value());
}

} // namespace tivrel
