// A whole day of frames, one a second, through the real port, receive event and log, with the
// window's clock advanced by the test instead of the wall clock: the log must hold exactly one
// row per clock minute, every row well formed, and the program's memory must stay flat.
#include "platform/ComPort.h"
#include "platform/DateText.h"
#include "platform/Switch.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/Pty.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <fstream>
#include <unistd.h>

namespace {

using tivrel::test::Pty;
using tivrel::test::WindowFixture;

// An address-checked build keeps freed memory in quarantine on purpose (and finds leaks by
// itself), so its resident size says nothing about leaks.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMeasuresMemory = false;
#else
constexpr bool kMeasuresMemory = true;
#endif

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The frame the device sends at second `s` of the day: the pH moves so that rows differ.
std::string frameAt(int s) {
    const int hundredths = 650 + (s / 60) % 100;
    const std::string ph = std::to_string(hundredths / 100) + "," +
                           (hundredths % 100 < 10 ? "0" : "") + std::to_string(hundredths % 100);
    const char* lines[] = {ph.c_str(),        "6,90", "7,10", "12,5", "8", "20", s % 2 ? "1" : "0",
                           s % 2 ? "0" : "1", "100",  "10",   "*",    "*"};
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

class DayInAMinute : public WindowFixture {
protected:
    DayInAMinute() {
        tivrel::setDateTimeFormats({"%Y-%m-%d", "%H:%M:%S"});
        desktop.realPauses = false;
    }
    ~DayInAMinute() override { tivrel::setDateTimeFormats(tivrel::localeDateTimeFormats()); }

    // Sets the window's clock to the second of the day and lets the clock tick.
    void at(const QDateTime& moment) {
        desktop.clock = moment;
        form->Timer1Timer();
    }

    // Writes one frame and waits until the window's receive event has taken it.
    bool deliver(const std::string& bytes) {
        handled_ = false;
        pty.write(bytes);
        return waitFor([&] { return handled_; }, 5000);
    }

    Pty pty;
    bool handled_ = false;
};

TEST_F(DayInAMinute, OneRowPerClockMinuteForTwentyFourHours) {
    writeState(pty.slavePath() + "\r\n0\r\n0\r\n345\r\n620\r\n");
    TForm1& window = create();
    window.show();
    QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
    ASSERT_TRUE(window.ComPort->isOpen());
    QObject::connect(window.ComPort, &tivrel::ComPort::rxChar,
                     [&] { handled_ = window.Memo.text().empty(); });

    const QDateTime midnight(QDate(2026, 12, 11), QTime(0, 0, 0));
    at(midnight.addSecs(-2));
    ASSERT_TRUE(deliver(frameAt(0))); // the start-up line makes this first taking invalid
    window.CheckBox1->setChecked(true);

    constexpr int kSeconds = 24 * 60 * 60;
    long residentAfterAnHour = 0;
    int validFrames = 0;
    for (int s = 0; s < kSeconds; ++s) {
        at(midnight.addSecs(s));
        ASSERT_TRUE(deliver(frameAt(s))) << "frame of second " << s << " was not handled";
        validFrames += window.FrameValid ? 1 : 0;
        if (s == 3600)
            residentAfterAnHour = residentKilobytes();
    }
    const long residentAtTheEnd = residentKilobytes();
    EXPECT_EQ(validFrames, kSeconds);
    EXPECT_TRUE(desktop.errors.isEmpty());

    at(midnight.addSecs(kSeconds));
    ASSERT_TRUE(window.close());

    const QStringList logs =
        QDir(QString::fromStdString(folderPath())).entryList({QStringLiteral("*.csv")});
    ASSERT_EQ(logs, QStringList{QStringLiteral("2026-12-11 {000000}    2026-12-12 {000000}.csv")});
    QFile log(QString::fromStdString(folderPath()) + u'/' + logs[0]);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1 + 1440 + 1) << "the header, 1440 rows and the last line end";
    EXPECT_EQ(lines[0], "Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2\r");
    EXPECT_EQ(lines[1], "00:00:00;6,50;6,90;7,10;12,5;8;20;off;on\r");
    EXPECT_TRUE(lines.last().isEmpty());
    const QRegularExpression row(
        QStringLiteral("^(\\d\\d):(\\d\\d);\\d,\\d\\d;6,90;7,10;12,5;8;20;(on|off);(on|off)\\r$"));
    for (int minute = 1; minute < 1440; ++minute) {
        const QString text = QString::fromLatin1(lines[minute + 1]);
        const auto match = row.match(text);
        ASSERT_TRUE(match.hasMatch()) << "row " << minute << ": " << text.toStdString();
        EXPECT_EQ(match.captured(1).toInt() * 60 + match.captured(2).toInt(), minute);
    }
    // A leak of even a few bytes a frame would show over 82 800 frames; the bound leaves room
    // for the allocator's and Qt's caches settling.
    if (kMeasuresMemory) {
        EXPECT_LT(residentAtTheEnd - residentAfterAnHour, 2048)
            << "resident memory grew from " << residentAfterAnHour << " kB to " << residentAtTheEnd
            << " kB";
    }
}

} // namespace
