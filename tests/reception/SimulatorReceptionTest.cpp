// The connected window against the real device simulator: its frames keep arriving and showing,
// and the faults it sends on demand (a broken frame, NUL bytes, bytes without line ends, a burst
// of frames) never stop the reception nor raise a message box.

#include "platform/ComPort.h"
#include "platform/Switch.h"
#include "tests/app/WindowFixture.h"
#include "tests/reception/QStringPrinter.h"
#include "tests/tools/SimProcess.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace tivrel::test {
namespace {

using namespace std::chrono_literals;

// Generous bounds for what takes a fraction of a second; never a goal.
constexpr int kWaitMs = 5000;

bool looksLikePh(const QString& text) {
    static const QRegularExpression ph(QStringLiteral("^\\d\\.\\d\\d$"));
    return ph.match(text).hasMatch();
}

class SimulatorReception : public WindowFixture {
protected:
    void SetUp() override {
        desktop.realPauses = false;
        const std::string link = folderPath() + "/tivrel7-link";
        control_ = folderPath() + "/control";
        sim_ = std::make_unique<SimProcess>(std::vector<std::string>{
            "--link", link, "--interval-ms", "150", "--control", control_});
        const auto announced = sim_->nextLine(std::chrono::milliseconds(kWaitMs));
        ASSERT_TRUE(announced && announced->ends_with(" linked at " + link))
            << announced.value_or("(nothing)");

        writeState(link + "\r\n10\r\n20\r\n345\r\n620\r\n");
        TForm1& window = create();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
        ASSERT_TRUE(window.ComPort->isOpen());
        // After the window's own handler: each event's outcome.
        QObject::connect(window.ComPort, &tivrel::ComPort::rxChar, &window,
                         [this](int) { noteOutcome(); });
    }

    void TearDown() override {
        EXPECT_EQ(desktop.messages, QStringList());
        EXPECT_EQ(desktop.errors, QStringList());
        form.reset();
        if (sim_) {
            sim_->signal(SIGTERM);
            sim_->waitForExit(std::chrono::milliseconds(kWaitMs));
        }
    }

    // Asks the simulator for a fault, as a user of its control FIFO does.
    void trigger(const std::string& command) {
        const int fd = ::open(control_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        const std::string line = command + "\n";
        EXPECT_EQ(::write(fd, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        ::close(fd);
    }

    int validFrames = 0;
    int oddValidFrames = 0; // valid by the flag, yet not a shown telemetry frame
    int invalidTakings = 0;

private:
    void noteOutcome() {
        const tivrel::Frame& frame = form->LastFrame;
        if (form->FrameValid) {
            ++validFrames;
            if (!looksLikePh(QString::fromLatin1(frame[0])) || frame[10] != "*" ||
                frame[11] != "*" || form->Label7->text() != QString::fromLatin1(frame[0]))
                ++oddValidFrames;
        } else if (frame != previous_) {
            ++invalidTakings;
        }
        previous_ = frame;
    }

    std::unique_ptr<SimProcess> sim_;
    std::string control_;
    tivrel::Frame previous_;
};

TEST_F(SimulatorReception, FramesKeepShowingThroughEveryFault) {
    ASSERT_TRUE(waitFor([&] { return validFrames >= 2; }, kWaitMs));
    EXPECT_TRUE(looksLikePh(form->Label7->text())) << form->Label7->text().toStdString();
    EXPECT_TRUE(form->Image4->isVisibleTo(form.get()));
    const int invalidAtStart = invalidTakings; // the first taking after start-up is one

    for (const char* fault : {"broken", "nul", "noeol", "burst"}) {
        SCOPED_TRACE(fault);
        const int validBefore = validFrames;
        trigger(fault);
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_TRUE(waitFor([&] { return validFrames >= validBefore + 3; }, kWaitMs))
            << "valid frames after the fault: " << validFrames - validBefore;
        EXPECT_TRUE(looksLikePh(form->Label7->text())) << form->Label7->text().toStdString();
    }
    EXPECT_EQ(oddValidFrames, 0);
    // The broken frame and the bytes without line ends are taken and dropped.
    EXPECT_GT(invalidTakings, invalidAtStart);
}

} // namespace
} // namespace tivrel::test
