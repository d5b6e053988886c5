#pragma once

namespace tivrel {

// The six device settings, each edited in a spin edit of the main window.
enum class Setting { PhMinimum, PhMaximum, AlarmMargin, Kh, Brightness, Contrast };

// The spin edits as the conversions see them.
class SettingsEditors {
public:
    virtual ~SettingsEditors() = default;
    // The value that send and save convert.
    virtual double value(Setting setting) = 0;
    // Limited to the editor's range and shown by it.
    virtual void setValue(Setting setting, double value) = 0;
};

} // namespace tivrel
