// The factory reset through the real window: the question, the command on the wire and the
// spin edits afterwards.
#include "app/ClickLabel.h"
#include "tests/commands/CommandWindow.h"
#include "tests/support/Pty.h"

#include <chrono>

using namespace std::chrono_literals;
using tivrel::test::CommandWindow;
using tivrel::test::kFactoryTexts;
using tivrel::test::Pty;
using tivrel::test::SpinTexts;

namespace {

const SpinTexts kOwnTexts{QStringLiteral("6,05"), QStringLiteral("7,45"), QStringLiteral("1,15"),
                          QStringLiteral("12"),   QStringLiteral("55"),   QStringLiteral("3")};

class FactoryReset : public CommandWindow {
protected:
    // A connected window whose spin edits, label and state differ from what a reset gives.
    TForm1& prepared() {
        TForm1& window = connectTo(pty.slavePath());
        typeAll(kOwnTexts);
        TForm1::setLabelText(window.RxLabel1, QStringLiteral("akwarium.tvr"));
        window.SettingsFields[5] = "5";
        window.LastFrame[1] = "5,55";
        return window;
    }
    void expectUntouchedState(TForm1& window) {
        EXPECT_EQ(window.SettingsFields[5], "5");
        EXPECT_EQ(window.LastFrame[1], "5,55");
    }

    Pty pty;
};

TEST_F(FactoryReset, AsksWithTheExactCaptionAndText) {
    prepared();
    desktop.okAnswer = false;
    click(form->SpeedButton6);
    const QString caption = QString::fromUtf8(" Przywracanie ustawień fabrycznych");
    const QString text =
        QString::fromUtf8("Czy jesteś pewnien, że chcesz przywrócić ustawienia fabryczne ?") +
        QString(3, u' ') + QStringLiteral("\r\n\r\n") + QString(21, u' ') +
        QString::fromUtf8("Bieżące ustawienia będą wykasowane ...");
    EXPECT_EQ(desktop.questions, QStringList{caption + u'|' + text});
}

TEST_F(FactoryReset, CancelWritesNothingAndChangesNothing) {
    TForm1& window = prepared();
    desktop.okAnswer = false;
    click(window.SpeedButton6);
    EXPECT_EQ(pty.readUntilQuiet(300ms), "");
    EXPECT_EQ(shownAll(), kOwnTexts);
    EXPECT_EQ(window.RxLabel1->text(), QStringLiteral("akwarium.tvr"));
    expectUntouchedState(window);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(FactoryReset, OkWritesTheResetTenTimesAndShowsTheFactoryValues) {
    TForm1& window = prepared();
    click(window.SpeedButton6);
    EXPECT_EQ(pty.read(30, 2s), std::string(30, '2'));
    EXPECT_EQ(pty.readUntilQuiet(200ms), "");
    EXPECT_EQ(shownAll(), kFactoryTexts);
    EXPECT_EQ(window.RxLabel1->text(), QStringLiteral("*.*"));
    // The reset sends no settings: the fields and the last frame wait for the device's word.
    expectUntouchedState(window);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(FactoryReset, ADeviceGoneBeforeOkShowsTheErrorAndKeepsTheSpinEdits) {
    TForm1& window = prepared();
    desktop.onQuestion = [&] {
        pty.closeMaster();
        return true;
    };
    click(window.SpeedButton6);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].startsWith(QStringLiteral("WriteFile function failed")))
        << desktop.errors[0].toStdString();
    EXPECT_EQ(shownAll(), kOwnTexts);
    EXPECT_EQ(window.RxLabel1->text(), QStringLiteral("*.*"));
    expectUntouchedState(window);
}

} // namespace
