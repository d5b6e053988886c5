#pragma once

#include "app/TivrelMainForm.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"
#include "tests/app/WindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tivrel::test {

// A desktop that lets a test act inside a handler's pauses: between the passes of a send and
// before its commit is where the window stands still and the device may vanish.
class PausingDesktop : public FakeDesktop {
public:
    std::vector<int> pauses;          // each pause asked for, in order
    std::function<void(int)> onPause; // runs at the start of each pause

    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (onPause)
            onPause(milliseconds);
        FakeDesktop::pause(milliseconds);
    }
};

// The six spin edits' texts in the order pH minimum, pH maximum, alarm margin, KH, brightness,
// contrast.
using SpinTexts = std::array<QString, 6>;

// Each test runs in a fresh working folder with a window whose desktop the test answers, and
// may act inside the window's pauses.
class CommandWindow : public BasicWindowFixture<PausingDesktop> {
protected:
    // A shown window, connected to the port at `port` (a pseudo-terminal or the simulator's
    // link); the pause after opening is not waited for.
    TForm1& connectTo(const std::string& port) {
        writeState(port + "\r\n10\r\n20\r\n345\r\n620\r\n");
        create();
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        const bool realPauses = desktop.realPauses;
        desktop.realPauses = false;
        QTest::mouseClick(form->RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
        desktop.realPauses = realPauses;
        desktop.pauses.clear();
        EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
        return *form;
    }

    static void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // What the user types, left in the field as it is: the command buttons take no focus.
    static void type(SpinEdit* spin, const QString& text) {
        spin->findChild<QLineEdit*>()->setText(text);
    }
    static QString shown(SpinEdit* spin) { return spin->findChild<QLineEdit*>()->text(); }

    void typeAll(const SpinTexts& texts) {
        const auto spins = spinEdits();
        for (std::size_t i = 0; i < spins.size(); ++i)
            type(spins[i], texts[i]);
    }
    SpinTexts shownAll() {
        SpinTexts texts;
        const auto spins = spinEdits();
        for (std::size_t i = 0; i < spins.size(); ++i)
            texts[i] = shown(spins[i]);
        return texts;
    }
    std::array<SpinEdit*, 6> spinEdits() const {
        return {form->RxSpinEdit7,  form->RxSpinEdit8, form->RxSpinEdit11,
                form->RxSpinEdit12, form->RxSpinEdit9, form->RxSpinEdit10};
    }
};

inline const SpinTexts kFactoryTexts{QStringLiteral("6,90"), QStringLiteral("7,10"),
                                     QStringLiteral("0,20"), QStringLiteral("0"),
                                     QStringLiteral("100"),  QStringLiteral("10")};

} // namespace tivrel::test

// gtest prints window texts readably (found through the argument's namespace).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
