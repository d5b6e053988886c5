#pragma once

#include <QAbstractSpinBox>
#include <string>

namespace tivrel {

// The text a spin edit shows for a value: two decimals with a decimal comma, a half rounded away
// from zero (6,125 shows 6,13), or a whole number with a half rounded to even (2,5 shows 2).
std::string formatSpinValue(double value, bool twoDecimals);

// A number field with up and down buttons that the user may type anything into. Reading the
// value parses the text as it stands (unreadable text reads as the minimum); setting a value
// limits it to the range and shows it. Leaving the field limits and re-shows what was typed.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    enum class Kind { WholeNumber, TwoDecimals };

    SpinEdit(Kind kind, double minimum, double maximum, double step, double start,
             QWidget* parent = nullptr);

    double value() const;
    void setValue(double value);
    // The value limited to the range and rounded to the field's decimals; the field then shows
    // it. What the device and the settings files get is always a value the field can hold.
    double limitedValue();

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    Kind kind() const { return kind_; }

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double limit(double value) const;

    Kind kind_;
    double minimum_;
    double maximum_;
    double step_;
};

} // namespace tivrel
