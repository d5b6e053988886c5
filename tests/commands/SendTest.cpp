// The settings send through the real window onto a pseudo-terminal: what goes on the wire, in
// what order and with which pauses, and what the window holds afterwards.
#include "platform/ComPort.h"
#include "tests/commands/CommandWindow.h"
#include "tests/support/Pty.h"

#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;
using tivrel::test::CommandWindow;
using tivrel::test::kFactoryTexts;
using tivrel::test::Pty;
using tivrel::test::SpinTexts;
using Clock = std::chrono::steady_clock;

namespace {

const std::string kFactoryPass = "100010007010006090020000000000";
const std::string kCommit = "111111111111111111111111111111";

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

// Reads the device side on a thread of its own while the window's thread is busy sending, and
// notes when each byte came.
class WireRecorder {
public:
    explicit WireRecorder(int masterFd) : thread_([this, masterFd] { run(masterFd); }) {}
    ~WireRecorder() {
        stop_ = true;
        thread_.join();
    }

    // Waits until `count` bytes came or `timeout` passed; the bytes and their arrival times.
    std::pair<std::string, std::vector<Clock::time_point>>
    waitFor(std::size_t count, std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, timeout, [&] { return bytes_.size() >= count; });
        return {bytes_, times_};
    }

private:
    void run(int fd) {
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            char chunk[256];
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            const Clock::time_point now = Clock::now();
            if (got <= 0)
                continue;
            std::lock_guard lock(mutex_);
            bytes_.append(chunk, static_cast<std::size_t>(got));
            times_.insert(times_.end(), static_cast<std::size_t>(got), now);
            arrived_.notify_all();
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::string bytes_;
    std::vector<Clock::time_point> times_;
    std::thread thread_;
};

class Send : public CommandWindow {
protected:
    TForm1& connected() { return connectTo(pty.slavePath()); }
    // One send by a click; everything it wrote.
    std::string sendAndRead() {
        click(form->SpeedButton3);
        return pty.read(90, 2s);
    }

    Pty pty;
};

TEST_F(Send, FactoryValuesGoOutTwiceThenTheCommitAfterAHalfSecondPause) {
    TForm1& window = connected();
    WireRecorder wire(pty.masterFd());
    click(window.SpeedButton3);

    const auto [bytes, times] = wire.waitFor(90, 3s);
    EXPECT_EQ(bytes, kFactoryPass + kFactoryPass + kCommit);
    ASSERT_EQ(times.size(), 90u);
    // The device must have both passes before the commit comes.
    EXPECT_GE(times[60] - times[59], 500ms);
    EXPECT_EQ(desktop.pauses, (std::vector<int>{1, 1, 500}));
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(Send, FieldsKeepTheirTextsAndLastFrameIsRefreshed) {
    TForm1& window = connected();
    window.LastFrame = {"7,05", "5,00", "5,00", "1", "3", "5", "0", "1", "50", "5", "*", "*"};
    window.SettingsFields[11] = "kept";
    ASSERT_EQ(sendAndRead().size(), 90u);

    const tivrel::SettingsFields expected{"",  "100", "10", "7",    "10", "6", "90", "20",
                                          "0", "0",   "0",  "kept", "",   "",  "",   ""};
    EXPECT_EQ(window.SettingsFields, expected);
    const tivrel::Frame refreshed{"7,05", "6,90", "7,10", "1",  "0", "20",
                                  "0",    "1",    "100",  "10", "*", "*"};
    EXPECT_EQ(window.LastFrame, refreshed);
    EXPECT_TRUE(window.SpeedButton3->isVisible());
    EXPECT_FALSE(window.SpeedButton14->isVisible());
}

struct StreamCase {
    const char* name;
    SpinTexts typed; // pH minimum, pH maximum, margin, KH, brightness, contrast
    const char* pass;
    SpinTexts shownAfter;
};
void PrintTo(const StreamCase& c, std::ostream* out) {
    *out << c.name;
}

// Values typed into the spin edits and left there (the send button takes no focus): what the
// device gets is the value each spin edit can hold, limited and rounded, and the spin edit
// shows it after the send.
const StreamCase kStreamCases[] = {
    {"Factory", kFactoryTexts, "100010007010006090020000000000", kFactoryTexts},
    {"FilledToThreeCharacters",
     {"6,05", "7,05", "0,90", "5", "5", "25"},
     "005025007005006005090005000000",
     {"6,05", "7,05", "0,90", "5", "5", "25"}},
    {"Minimums",
     {"4,00", "4,10", "0,00", "0", "0", "0"},
     "000000004010004000000000000000",
     {"4,00", "4,10", "0,00", "0", "0", "0"}},
    {"Maximums",
     {"8,70", "8,80", "2,50", "20", "100", "25"},
     "100025008080008070250020000000",
     {"8,70", "8,80", "2,50", "20", "100", "25"}},
    {"AboveTheRangeIsLimited",
     {"9,50", "9,99", "3", "21", "150", "26"},
     "100025008080008070250020000000",
     {"8,70", "8,80", "2,50", "20", "100", "25"}},
    {"BelowTheRangeIsLimited",
     {"-1", "3,5", "-0,01", "-3", "-1", "-7"},
     "000000004010004000000000000000",
     {"4,00", "4,10", "0,00", "0", "0", "0"}},
    {"MoreDecimalsAreRounded",
     {"6,999", "7,125", "0,555", "4,5", "99,5", "10,4"},
     "100010007013007000056004000000",
     {"7,00", "7,13", "0,56", "4", "100", "10"}},
    {"UnreadableTextGivesTheMinimum",
     {"", "abc", "", "", "x", ""},
     "000000004010004000000000000000",
     {"4,00", "4,10", "0,00", "0", "0", "0"}},
};

class SendStream : public Send, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(SendStream, PutsTheValuesTheSpinEditsCanHoldOnTheWire) {
    const StreamCase& c = GetParam();
    desktop.realPauses = false;
    TForm1& window = connected();
    typeAll(c.typed);
    const std::string pass = c.pass;
    EXPECT_EQ(sendAndRead(), pass + pass + kCommit);
    EXPECT_EQ(shownAll(), c.shownAfter);
    EXPECT_TRUE(desktop.errors.isEmpty());
    // The same texts again: nothing left over from the first send changes the second.
    EXPECT_EQ(sendAndRead(), pass + pass + kCommit);
    (void)window;
}

INSTANTIATE_TEST_SUITE_P(Values, SendStream, ::testing::ValuesIn(kStreamCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(Send, TypedNineFiftyAndSixNineNineNineAreLimitedInTheFields) {
    desktop.realPauses = false;
    TForm1& window = connected();
    type(window.RxSpinEdit7, QStringLiteral("9,50"));
    type(window.RxSpinEdit8, QStringLiteral("6,999"));
    sendAndRead();
    EXPECT_EQ(window.SettingsFields[5], "8");
    EXPECT_EQ(window.SettingsFields[6], "70");
    EXPECT_EQ(window.SettingsFields[3], "7");
    EXPECT_EQ(window.SettingsFields[4], "0");
    EXPECT_EQ(window.LastFrame[1], "8,70");
    EXPECT_EQ(window.LastFrame[2], "7,00");
}

TEST_F(Send, TheCoverLiesOverTheSendButtonOnlyWhileTheCommitIsDue) {
    TForm1& window = connected();
    desktop.realPauses = false;
    struct Seen {
        int pause;
        bool sendVisible;
        bool coverVisible;
        bool eventHandled;
    };
    std::vector<Seen> seen;
    bool eventHandled = false;
    desktop.onPause = [&](int ms) {
        seen.push_back({ms, window.SpeedButton3->isVisible(), window.SpeedButton14->isVisible(),
                        eventHandled});
        // An event that is due at once must wait until the send is over.
        if (seen.size() == 1)
            QTimer::singleShot(0, &window, [&] { eventHandled = true; });
    };
    EXPECT_EQ(sendAndRead().size(), 90u);

    ASSERT_EQ(seen.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(seen[i].pause, 1);
        EXPECT_TRUE(seen[i].sendVisible);
        EXPECT_FALSE(seen[i].coverVisible);
    }
    EXPECT_EQ(seen[2].pause, 500);
    EXPECT_FALSE(seen[2].sendVisible);
    EXPECT_TRUE(seen[2].coverVisible);
    // The send runs to its end without handling other events.
    for (const Seen& s : seen)
        EXPECT_FALSE(s.eventHandled);
    EXPECT_TRUE(window.SpeedButton3->isVisible());
    EXPECT_FALSE(window.SpeedButton14->isVisible());
    EXPECT_TRUE(waitFor([&] { return eventHandled; }));
}

struct VanishCase {
    const char* name;
    std::size_t pauseIndex; // the device vanishes at the start of this pause
    std::size_t bytesBefore;
};
void PrintTo(const VanishCase& c, std::ostream* out) {
    *out << c.name;
}

class SendFailure : public Send, public ::testing::WithParamInterface<VanishCase> {};

TEST_P(SendFailure, ShowsTheErrorPutsTheSendButtonBackAndLeavesLastFrame) {
    const VanishCase& c = GetParam();
    TForm1& window = connected();
    desktop.realPauses = false;
    const tivrel::Frame before{"7,05", "5,00", "5,00", "1", "3", "5",
                               "0",    "1",    "50",   "5", "*", "*"};
    window.LastFrame = before;
    type(window.RxSpinEdit12, QStringLiteral("7"));
    std::string written;
    desktop.onPause = [&](int) {
        if (desktop.pauses.size() - 1 != c.pauseIndex)
            return;
        written = pty.read(c.bytesBefore, 2s);
        pty.closeMaster();
    };
    click(window.SpeedButton3);

    EXPECT_EQ(written,
              repeated(kFactoryPass.substr(0, 21) + "007000000", 2).substr(0, c.bytesBefore));
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].startsWith(QStringLiteral("WriteFile function failed")))
        << desktop.errors[0].toStdString();
    EXPECT_TRUE(window.SpeedButton3->isVisible());
    EXPECT_TRUE(window.SpeedButton3->isEnabled());
    EXPECT_FALSE(window.SpeedButton14->isVisible());
    EXPECT_EQ(window.LastFrame, before);
    EXPECT_EQ(window.SettingsFields[8], "7"); // the fields were made before the writes

    // The button still works: a second click runs the send again, which fails on the lost port.
    click(window.SpeedButton3);
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_FALSE(window.SpeedButton14->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Vanishing, SendFailure,
                         ::testing::Values(VanishCase{"AfterTheFirstPass", 0, 30},
                                           VanishCase{"BeforeTheCommit", 2, 60}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
