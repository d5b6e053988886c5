// The clock's shortcut to the date and time settings, the folder shortcuts and the check box's
// pause: the programs started are recorded by the fake desktop.
#include "app/ClickLabel.h"
#include "tests/clocklog/LogWindowFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using tivrel::test::FakeDesktop;
using tivrel::test::LogWindowFixture;

namespace {

using Started = QList<QStringList>;

// A PATH of the test's own, holding only the programs a test installs in it.
class ShellShortcuts : public LogWindowFixture {
protected:
    ShellShortcuts() : previousPath_(qgetenv("PATH")) {
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    ~ShellShortcuts() override { qputenv("PATH", previousPath_); }

    QString install(const char* program) {
        const QString path = bin_.filePath(QString::fromLatin1(program));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    void clickClockLabels() {
        form->Label3Click();
        form->Label4Click();
        form->Label5Click();
    }

private:
    QTemporaryDir bin_;
    QByteArray previousPath_;
};

TEST_F(ShellShortcuts, TheClockOpensTheFirstInstalledDateAndTimeSettings) {
    create();
    const QString systemsettings = install("systemsettings");
    install("time-admin");
    clickClockLabels();
    const QStringList plasma{systemsettings, QStringLiteral("kcm_clock")};
    EXPECT_EQ(desktop.startedPrograms, (Started{plasma, plasma, plasma}));

    desktop.startedPrograms.clear();
    const QString gnome = install("gnome-control-center");
    form->Label4Click();
    EXPECT_EQ(desktop.startedPrograms, (Started{{gnome, QStringLiteral("datetime")}}));
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ShellShortcuts, AClickOnTheEnabledClockLabelRunsTheShortcut) {
    TForm1& window = create();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString plasma5 = install("systemsettings5");
    window.Label5->setEnabled(true); // as in the connected state
    QTest::mouseClick(window.Label5, Qt::LeftButton);
    EXPECT_EQ(desktop.startedPrograms, (Started{{plasma5, QStringLiteral("clock")}}));
}

TEST_F(ShellShortcuts, ToolsThatDoNotStartAreSkippedSilently) {
    create();
    const QString cinnamon = install("cinnamon-settings");
    const QString mate = install("mate-time-admin");
    desktop.canStart = false;
    clickClockLabels();
    const QStringList tried1{cinnamon, QStringLiteral("calendar")};
    const QStringList tried2{mate};
    EXPECT_EQ(desktop.startedPrograms, (Started{tried1, tried2, tried1, tried2, tried1, tried2}));
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ShellShortcuts, NoSettingsToolInstalledStartsNothingAndShowsNothing) {
    create();
    clickClockLabels();
    EXPECT_TRUE(desktop.startedPrograms.isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ShellShortcuts, TheSpreadsheetIconOpensTheWorkingFolderAsOneArgument) {
    create();
    const QString odd =
        QString::fromStdString(folderPath()) + QStringLiteral("/Pomiary pH; \"$HOME\" & 'ąę' {1}");
    ASSERT_TRUE(QDir().mkdir(odd));
    ASSERT_TRUE(QDir::setCurrent(odd));
    form->Image6Click();
    EXPECT_EQ(desktop.startedPrograms, (Started{{QStringLiteral("xdg-open"), odd}}));
}

TEST_F(ShellShortcuts, AWorkingFolderThatIsGoneOpensNothingAndShowsNothing) {
    create();
    const QString gone = QString::fromStdString(folderPath()) + QStringLiteral("/gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(QDir::setCurrent(gone));
    ASSERT_TRUE(QDir().rmdir(gone));
    form->Image6Click();
    EXPECT_TRUE(desktop.startedPrograms.isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(ShellShortcuts, TheSettingsFileLabelOpensItsHintFolder) {
    TForm1& window = create();
    window.RxLabel1Click();
    window.RxLabel1->setToolTip(QStringLiteral("/home/ewa/Ustawienia akwarium"));
    desktop.canStart = false;
    window.RxLabel1Click();
    EXPECT_EQ(
        desktop.startedPrograms,
        (Started{{QStringLiteral("xdg-open"), QStringLiteral("/")},
                 {QStringLiteral("xdg-open"), QStringLiteral("/home/ewa/Ustawienia akwarium")}}));
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// Records whether the check box was enabled at each pause.
class PauseRecorder : public FakeDesktop {
public:
    void pause(int milliseconds) override {
        pauses.emplace_back(milliseconds, box && box->isEnabled());
        FakeDesktop::pause(milliseconds);
    }
    QCheckBox* box = nullptr;
    std::vector<std::pair<int, bool>> pauses;
};

TEST_F(ShellShortcuts, TheCheckBoxPausesTwiceAndIsDisabledOnlyDuringTheFirstHalf) {
    PauseRecorder recorder;
    recorder.realPauses = false;
    TForm1 window(recorder);
    recorder.box = window.CheckBox1;
    window.CheckBox1->setEnabled(true);
    window.CheckBox1->setChecked(true);
    window.CheckBox1Click();
    EXPECT_EQ(recorder.pauses, (std::vector<std::pair<int, bool>>{{300, false}, {300, true}}));
    EXPECT_TRUE(window.CheckBox1->isEnabled());
    EXPECT_TRUE(window.CheckBox1->isChecked()) << "the handler leaves the check mark alone";
}

} // namespace
