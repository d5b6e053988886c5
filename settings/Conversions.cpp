#include "settings/Conversions.h"

#include "platform/AppError.h"
#include "platform/NumberText.h"
#include "settings/SettingsNumbers.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tivrel {

namespace {

// Up to count characters of the line from position on; fewer, or none, when the line is short.
std::string charactersOf(const std::string& line, std::size_t position, std::size_t count) {
    if (position >= line.size())
        return {};
    return line.substr(position, count);
}

// A whole number with at least two digits: 5 gives "05", 123 gives "123".
std::string twoDigits(std::int32_t value) {
    std::string digits = intToStr(value < 0 ? -static_cast<std::int64_t>(value) : value);
    if (digits.size() < 2)
        digits.insert(digits.begin(), '0');
    return value < 0 ? "-" + digits : digits;
}

// "6", "5" gives 6,05. False, and nothing written, when a field is not a whole number.
bool phLineFromFields(const std::string& whole, const std::string& hundredthsField,
                      std::string& line) {
    try {
        const std::int32_t wholeValue = strToInt(whole);
        const std::int32_t hundredthsValue = strToInt(hundredthsField);
        line = intToStr(wholeValue) + "," + twoDigits(hundredthsValue);
        return true;
    } catch (const ConvertError&) {
        return false;
    }
}

} // namespace

void fieldsFromSpinEdits(SettingsEditors& editors, SettingsFields& fields) {
    const double phMinimum = editors.value(Setting::PhMinimum);
    fields[5] = intToStr(wholePart(phMinimum));
    fields[6] = intToStr(hundredths(phMinimum));
    const double phMaximum = editors.value(Setting::PhMaximum);
    fields[3] = intToStr(wholePart(phMaximum));
    fields[4] = intToStr(hundredths(phMaximum));
    fields[7] = intToStr(marginHundredths(editors.value(Setting::AlarmMargin)));
    fields[8] = intToStr(wholePart(editors.value(Setting::Kh)));
    fields[1] = intToStr(wholePart(editors.value(Setting::Brightness)));
    fields[2] = intToStr(wholePart(editors.value(Setting::Contrast)));
}

void spinEditsFromFields(const SettingsFields& fields, SettingsEditors& editors) {
    const std::int32_t phMinimumWhole = strToInt(fields[5]);
    const std::int32_t phMinimumHundredths = strToInt(fields[6]);
    editors.setValue(Setting::PhMinimum, phMinimumWhole + phMinimumHundredths / 100.0);
    const std::int32_t phMaximumWhole = strToInt(fields[3]);
    const std::int32_t phMaximumHundredths = strToInt(fields[4]);
    editors.setValue(Setting::PhMaximum, phMaximumWhole + phMaximumHundredths / 100.0);
    editors.setValue(Setting::AlarmMargin, strToInt(fields[7]) / 100.0);
    editors.setValue(Setting::Kh, strToInt(fields[8]));
    editors.setValue(Setting::Brightness, strToInt(fields[1]));
    editors.setValue(Setting::Contrast, strToInt(fields[2]));
}

void fieldsFromFrame(const Frame& frame, SettingsFields& fields) {
    fields[1] = frame[8];
    fields[2] = frame[9];
    fields[3] = charactersOf(frame[2], 0, 1);
    fields[4] = charactersOf(frame[2], 2, 2);
    fields[5] = charactersOf(frame[1], 0, 1);
    fields[6] = charactersOf(frame[1], 2, 2);
    fields[7] = frame[5];
    fields[8] = frame[4];
}

void spinEditsFromFrame(const Frame& frame, SettingsEditors& editors) {
    editors.setValue(Setting::PhMinimum, strToFloat(frame[1]));
    editors.setValue(Setting::PhMaximum, strToFloat(frame[2]));
    editors.setValue(Setting::AlarmMargin, strToFloat(frame[5]) / 100);
    editors.setValue(Setting::Kh, strToFloat(frame[4]));
    editors.setValue(Setting::Brightness, strToFloat(frame[8]));
    editors.setValue(Setting::Contrast, strToFloat(frame[9]));
}

void refreshLastFrame(const SettingsFields& fields, Frame& frame) {
    phLineFromFields(fields[5], fields[6], frame[1]);
    phLineFromFields(fields[3], fields[4], frame[2]);
    frame[4] = fields[8];
    frame[5] = fields[7];
    frame[8] = fields[1];
    frame[9] = fields[2];
}

} // namespace tivrel
