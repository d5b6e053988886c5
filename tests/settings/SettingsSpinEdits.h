#pragma once

#include "platform/SpinEdit.h"
#include "settings/SpinEditSettings.h"

#include <QLineEdit>
#include <QString>
#include <gtest/gtest.h>
#include <string>

namespace tivrel {

// The six spin edits with the main window's ranges and start values, seen as settings editors.
class SettingsSpinEdits : public ::testing::Test {
protected:
    SpinEdit phMinimum{SpinEdit::Kind::TwoDecimals, 4.00, 8.70, 0.01, 6.90};
    SpinEdit phMaximum{SpinEdit::Kind::TwoDecimals, 4.10, 8.80, 0.01, 7.10};
    SpinEdit margin{SpinEdit::Kind::TwoDecimals, 0.00, 2.50, 0.01, 0.20};
    SpinEdit kh{SpinEdit::Kind::WholeNumber, 0, 20, 1, 0};
    SpinEdit brightness{SpinEdit::Kind::WholeNumber, 0, 100, 1, 100};
    SpinEdit contrast{SpinEdit::Kind::WholeNumber, 0, 25, 1, 10};
    SpinEditSettings editors{&phMinimum, &phMaximum, &margin, &kh, &brightness, &contrast};

    // What the user types, left in the field as it is (the send button takes no focus).
    static void type(SpinEdit& spin, const std::string& text) {
        spin.findChild<QLineEdit*>()->setText(QString::fromStdString(text));
    }
    static std::string shown(SpinEdit& spin) {
        return spin.findChild<QLineEdit*>()->text().toStdString();
    }
};

} // namespace tivrel
