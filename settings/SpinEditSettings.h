#pragma once

#include "platform/SpinEdit.h"
#include "settings/SettingsEditors.h"

namespace tivrel {

// The main window's six spin edits as settings editors. Reading a value limits it to the spin
// edit's range and rounds it to its decimals first, and the spin edit then shows it: a typed
// 9,50 or 6,999 never reaches the device or a settings file, only a value the device can take.
class SpinEditSettings : public SettingsEditors {
public:
    SpinEditSettings(SpinEdit* phMinimum, SpinEdit* phMaximum, SpinEdit* alarmMargin, SpinEdit* kh,
                     SpinEdit* brightness, SpinEdit* contrast);

    double value(Setting setting) override;
    void setValue(Setting setting, double value) override;

private:
    SpinEdit* editorFor(Setting setting) const;

    SpinEdit* phMinimum_;
    SpinEdit* phMaximum_;
    SpinEdit* alarmMargin_;
    SpinEdit* kh_;
    SpinEdit* brightness_;
    SpinEdit* contrast_;
};

} // namespace tivrel
