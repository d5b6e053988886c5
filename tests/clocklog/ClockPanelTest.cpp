// The clock labels, ClockMinute and the clock timer of the window.
#include "app/ClickLabel.h"
#include "tests/clocklog/LogWindowFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

using tivrel::test::FakeDesktop;
using tivrel::test::LogWindowFixture;

namespace {

struct ClockCase {
    const char* name;
    tivrel::DateTimeFormats formats;
    const char* moment;
    const char* date;    // Label4
    const char* time;    // Label5
    const char* weekday; // Label3
    const char* minute;  // ClockMinute
};

// Tests are named after their case; the case prints as its name.
void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.name;
}

class ClockLabels : public LogWindowFixture, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ClockLabels, ShowTheUsersFormatsAndKeepTheMinuteCharacters) {
    const ClockCase& c = GetParam();
    tivrel::setDateTimeFormats(c.formats);
    TForm1& window = create();
    at(c.moment);
    EXPECT_EQ(window.Label4->text(), QString::fromUtf8(c.date));
    EXPECT_EQ(window.Label5->text(), QString::fromUtf8(c.time));
    EXPECT_EQ(window.Label3->text(), QString::fromUtf8(c.weekday));
    EXPECT_EQ(window.ClockMinute, c.minute);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ClockLabels,
    ::testing::Values(ClockCase{"TwoDigitHours",
                                {"%d/%m/%Y", "%H:%M:%S"},
                                "2009-03-14 09:05:07",
                                "14/03/2009",
                                "09:05:07",
                                "Sobota",
                                "05"},
                      ClockCase{"OneDigitHourGivesTheMinutesSecondDigitAndTheSeparator",
                                {"%Y-%m-%d", "%-H:%M:%S"},
                                "2009-03-14 09:05:07",
                                "2009-03-14",
                                "9:05:07",
                                "Sobota",
                                "5:"},
                      ClockCase{"BlankPaddedHour",
                                {"%d.%m.%Y", "%k:%M:%S"},
                                "2009-03-14 09:05:07",
                                "14.03.2009",
                                " 9:05:07",
                                "Sobota",
                                "05"},
                      ClockCase{"TwelveHourClock",
                                {"%m/%d/%y", "%I:%M:%S %p"},
                                "2009-03-15 21:05:07",
                                "03/15/09",
                                "09:05:07 PM",
                                "Niedziela",
                                "05"},
                      ClockCase{"PointSeparator",
                                {"%d.%m.%Y", "%H.%M.%S"},
                                "2009-03-16 23:59:59",
                                "16.03.2009",
                                "23.59.59",
                                "Poniedziałek",
                                "59"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LogWindowFixture, TheWeekdayNameFollowsTheDateThroughAWeek) {
    TForm1& window = create();
    const std::vector<std::pair<const char*, const char*>> week = {
        {"2009-03-08 12:00:00", "Niedziela"}, {"2009-03-09 12:00:00", "Poniedziałek"},
        {"2009-03-10 12:00:00", "Wtorek"},    {"2009-03-11 12:00:00", "Środa"},
        {"2009-03-12 12:00:00", "Czwartek"},  {"2009-03-13 12:00:00", "Piątek"},
        {"2009-03-14 12:00:00", "Sobota"}};
    for (const auto& [moment, name] : week) {
        at(moment);
        EXPECT_EQ(window.Label3->text(), QString::fromUtf8(name)) << moment;
    }
}

TEST_F(LogWindowFixture, TheClockTicksRightAfterCreationAndReArmsForTheNextSecond) {
    desktop.clock = QDateTime::fromString("2009-03-14 08:15:02", "yyyy-MM-dd hh:mm:ss");
    TForm1& window = create();
    EXPECT_EQ(window.ClockMinute, "") << "empty before the first tick";
    ASSERT_TRUE(waitFor([&] { return !window.ClockMinute.empty(); }, 1000));
    EXPECT_EQ(window.ClockMinute, "15");
    EXPECT_EQ(window.Label5->text(), QStringLiteral("08:15:02"));
    EXPECT_EQ(window.Label4->text(), QStringLiteral("2009-03-14"));

    // Each tick aims the next one just past the next whole second of the clock.
    for (const int millisecond : {0, 500, 990}) {
        desktop.clock = QDateTime(QDate(2009, 3, 14), QTime(8, 15, 2, millisecond));
        window.Timer1Timer();
        EXPECT_TRUE(window.Timer1->isActive());
        EXPECT_TRUE(window.Timer1->isSingleShot());
        EXPECT_GE(window.Timer1->interval(), 1000 - millisecond) << millisecond;
        EXPECT_LT(window.Timer1->interval(), 1000 - millisecond + 100) << millisecond;
    }
}

TEST_F(LogWindowFixture, TheClockKeepsRunningWhileDisconnected) {
    TForm1& window = create();
    ASSERT_FALSE(window.Label5->isEnabled());
    desktop.clock = QDateTime::fromString("2009-03-14 08:15:02", "yyyy-MM-dd hh:mm:ss");
    ASSERT_TRUE(waitFor([&] { return window.Label5->text() == QStringLiteral("08:15:02"); }));
    desktop.clock = desktop.clock->addSecs(1);
    EXPECT_TRUE(waitFor([&] { return window.Label5->text() == QStringLiteral("08:15:03"); }, 2500))
        << "the timer ticked once and stopped";
}

// The screen-size warning is shown while the window is being created; its message window runs
// an event loop of its own, in which the clock already ticks.
class WarningThatWaits : public FakeDesktop {
public:
    void showMessage(const QString& caption, const QString& text, QWidget* owner) override {
        FakeDesktop::showMessage(caption, text, owner);
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* widget : windows)
            if (auto* window = qobject_cast<TForm1*>(widget))
                tickedDuringWarning = loopUntilTicked(*window);
    }
    bool tickedDuringWarning = false;

private:
    static bool loopUntilTicked(const TForm1& window) {
        QElapsedTimer waited;
        waited.start();
        while (window.ClockMinute.empty() && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !window.ClockMinute.empty();
    }
};

TEST_F(LogWindowFixture, TheClockTicksWhileTheScreenSizeWarningIsOpen) {
    WarningThatWaits desktopWithWarning;
    desktopWithWarning.screen = QSize(640, 480);
    desktopWithWarning.clock = QDateTime::fromString("2009-03-14 08:15:02", "yyyy-MM-dd hh:mm:ss");
    TForm1 window(desktopWithWarning);
    ASSERT_EQ(desktopWithWarning.messages.size(), 1);
    EXPECT_TRUE(desktopWithWarning.tickedDuringWarning);
}

} // namespace
