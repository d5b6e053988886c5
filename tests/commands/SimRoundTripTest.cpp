// Send, factory reset and fetch against the real simulator: the settings sent come back in the
// device's own frames.
#include "app/ClickLabel.h"
#include "tests/commands/CommandWindow.h"
#include "tests/tools/SimProcess.h"

#include <chrono>

using namespace std::chrono_literals;
using tivrel::test::CommandWindow;
using tivrel::test::kFactoryTexts;
using tivrel::test::SimProcess;
using tivrel::test::SpinTexts;

namespace {

using Lines = std::vector<std::string>;

// Generous bounds for what takes a fraction of a second; never a goal.
constexpr int kWaitMs = 8000;

// The settings lines of a frame: pH minimum, pH maximum, KH, margin, brightness, contrast.
Lines settingsOf(const tivrel::Frame& frame) {
    return {frame[1], frame[2], frame[4], frame[5], frame[8], frame[9]};
}

class SimRoundTrip : public CommandWindow {
protected:
    void SetUp() override {
        link = folderPath() + "/tivrel7-link";
        sim = std::make_unique<SimProcess>(
            std::vector<std::string>{"--link", link, "--interval-ms", "150", "--seed", "7"});
        const auto line = sim->nextLine(std::chrono::milliseconds(kWaitMs));
        ASSERT_TRUE(line && line->ends_with(" linked at " + link)) << line.value_or("(none)");
        connectTo(link);
    }

    // Waits for a valid frame taken after now that reports `expected`. Frames the device sent
    // while the window was busy may still report the settings before.
    bool deviceReports(const Lines& expected) {
        form->FrameValid = false;
        form->LastFrame = {};
        return waitFor(
            [&] {
                if (!form->FrameValid)
                    return false;
                if (settingsOf(form->LastFrame) == expected)
                    return true;
                form->FrameValid = false;
                return false;
            },
            kWaitMs);
    }
    // The next line of the simulator's output that starts with `prefix`.
    std::optional<std::string> simSays(const std::string& prefix) {
        for (int i = 0; i < 5; ++i) {
            const auto line = sim->nextLine(std::chrono::milliseconds(kWaitMs));
            if (!line || line->starts_with(prefix))
                return line;
        }
        return std::nullopt;
    }
    void fetch() { click(form->SpeedButton4); }

    std::string link;
    std::unique_ptr<SimProcess> sim;
};

TEST_F(SimRoundTrip, SentSettingsComeBackInTheFramesAndFetch) {
    const SpinTexts sent{"6,35", "7,05", "0,15", "8", "55", "12"};
    typeAll(sent);
    click(form->SpeedButton3);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
    EXPECT_TRUE(simSays("applied").has_value());
    ASSERT_TRUE(deviceReports({"6,35", "7,05", "8", "15", "55", "12"}))
        << ::testing::PrintToString(settingsOf(form->LastFrame));

    typeAll(kFactoryTexts);
    fetch();
    EXPECT_EQ(shownAll(), sent);
    EXPECT_EQ(form->RxLabel1->text(), QStringLiteral("*.*"));
    EXPECT_EQ(form->SettingsFields[6], "35");
    EXPECT_EQ(form->SettingsFields[4], "05");
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(SimRoundTrip, TheFactoryResetComesBackInTheFramesAndFetch) {
    const SpinTexts sent{"4,50", "8,80", "2,50", "20", "0", "25"};
    typeAll(sent);
    click(form->SpeedButton3);
    ASSERT_TRUE(deviceReports({"4,50", "8,80", "20", "250", "0", "25"}));

    desktop.okAnswer = true;
    click(form->SpeedButton6);
    EXPECT_EQ(desktop.questions.size(), 1);
    EXPECT_TRUE(simSays("factory reset").has_value());
    ASSERT_TRUE(deviceReports({"6,90", "7,10", "0", "20", "100", "10"}));

    typeAll(sent);
    fetch();
    EXPECT_EQ(shownAll(), kFactoryTexts);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

} // namespace
