#include "settings/SpinEditSettings.h"

namespace tivrel {

SpinEditSettings::SpinEditSettings(SpinEdit* phMinimum, SpinEdit* phMaximum, SpinEdit* alarmMargin,
                                   SpinEdit* kh, SpinEdit* brightness, SpinEdit* contrast)
    : phMinimum_(phMinimum), phMaximum_(phMaximum), alarmMargin_(alarmMargin), kh_(kh),
      brightness_(brightness), contrast_(contrast) {}

SpinEdit* SpinEditSettings::editorFor(Setting setting) const {
    switch (setting) {
    case Setting::PhMinimum:
        return phMinimum_;
    case Setting::PhMaximum:
        return phMaximum_;
    case Setting::AlarmMargin:
        return alarmMargin_;
    case Setting::Kh:
        return kh_;
    case Setting::Brightness:
        return brightness_;
    case Setting::Contrast:
        return contrast_;
    }
    return phMinimum_;
}

double SpinEditSettings::value(Setting setting) {
    return editorFor(setting)->limitedValue();
}

void SpinEditSettings::setValue(Setting setting, double value) {
    editorFor(setting)->setValue(value);
}

} // namespace tivrel
