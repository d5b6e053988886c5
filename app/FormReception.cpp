// The receive event and the settings steps of the main window: frames from the device to the
// readings and the settings fields, and the settings between spin edits, fields and frame.
#include "app/ClickLabel.h"
#include "app/TivrelMainForm.h"
#include "link/ShowFrame.h"
#include "platform/AppError.h"
#include "platform/ComPort.h"
#include "platform/SpinEdit.h"
#include "settings/Conversions.h"
#include "settings/FactoryValues.h"
#include "settings/SpinEditSettings.h"

#include <QLabel>

namespace {

// The reading controls of the window as the display step's target.
class WindowReadings : public tivrel::ReadingsDisplay {
public:
    explicit WindowReadings(TForm1& form) : form_(form) {}

    void setReadingText(tivrel::ReadingLabel label, const std::string& text) override {
        TForm1::setLabelText(labelFor(label), QString::fromLatin1(text));
    }
    void setReadingVisible(tivrel::ReadingControl control, bool visible) override {
        controlFor(control)->setVisible(visible);
    }

private:
    QLabel* labelFor(tivrel::ReadingLabel label) const {
        using L = tivrel::ReadingLabel;
        switch (label) {
        case L::Label7:
            return form_.Label7;
        case L::Label8:
            return form_.Label8;
        case L::Label9:
            return form_.Label9;
        case L::Label11:
            return form_.Label11;
        case L::Label12:
            return form_.Label12;
        case L::Label17:
            return form_.Label17;
        case L::Label23:
            return form_.Label23;
        }
        return form_.Label7;
    }
    QWidget* controlFor(tivrel::ReadingControl control) const {
        using C = tivrel::ReadingControl;
        switch (control) {
        case C::Label7:
            return form_.Label7;
        case C::Label8:
            return form_.Label8;
        case C::Label9:
            return form_.Label9;
        case C::Label10:
            return form_.Label10;
        case C::Label11:
            return form_.Label11;
        case C::Label12:
            return form_.Label12;
        case C::Label17:
            return form_.Label17;
        case C::Label23:
            return form_.Label23;
        case C::Image4:
            return form_.Image4;
        case C::Image1:
            return form_.Image1;
        case C::Image2:
            return form_.Image2;
        }
        return form_.Label7;
    }

    TForm1& form_;
};

tivrel::SpinEditSettings spinEditsOf(TForm1& form) {
    return {form.RxSpinEdit7,  form.RxSpinEdit8, form.RxSpinEdit11,
            form.RxSpinEdit12, form.RxSpinEdit9, form.RxSpinEdit10};
}

} // namespace

void TForm1::ComPortRxChar(int count) {
    FrameValid = false;
    Memo.append(ComPort->read(count));
    if (!tivrel::frameIsDue(Memo))
        return;
    LastFrame = tivrel::takeFrame(Memo);
    if (tivrel::frameIsValid(LastFrame)) {
        try {
            ShowFrame();
            FieldsFromFrame();
            LogFrame();
            LastFrameMinute = ClockMinute;
            FrameValid = true;
        } catch (const tivrel::AppError&) {
            // Failures while receiving are never shown; the frame counts as not valid.
        }
    }
    // Emptied after a failure too: otherwise the same twelve lines would fail again with
    // every event until a restart.
    Memo.clear();
}

void TForm1::SpeedButton4Click() {
    if (!FrameValid)
        return;
    try {
        setLabelText(RxLabel1, QStringLiteral("*.*"));
        SpinEditsFromFrame();
        FieldsFromFrame();
    } catch (const tivrel::AppError& error) {
        showError(error.what());
    }
}

void TForm1::ShowFrame() {
    WindowReadings readings(*this);
    tivrel::showFrame(LastFrame, readings);
}

void TForm1::FieldsFromSpinEdits() {
    auto editors = spinEditsOf(*this);
    tivrel::fieldsFromSpinEdits(editors, SettingsFields);
}

void TForm1::SpinEditsFromFields() {
    auto editors = spinEditsOf(*this);
    tivrel::spinEditsFromFields(SettingsFields, editors);
}

void TForm1::FieldsFromFrame() {
    tivrel::fieldsFromFrame(LastFrame, SettingsFields);
}

void TForm1::SpinEditsFromFrame() {
    auto editors = spinEditsOf(*this);
    tivrel::spinEditsFromFrame(LastFrame, editors);
}

void TForm1::RefreshLastFrame() {
    tivrel::refreshLastFrame(SettingsFields, LastFrame);
}

void TForm1::SetFactorySpinEdits() {
    auto editors = spinEditsOf(*this);
    for (const tivrel::FactoryValue& factory : tivrel::kFactoryValues)
        editors.setValue(factory.setting, factory.value);
}
