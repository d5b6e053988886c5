// The real simulator, driven the way the program drives the device: through the linked
// pseudo-terminal opened as a serial port.

#include "SimProcess.h"
#include "tools/TelemetryFrame.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tivrel::test {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// Generous bounds for things that take a fraction of a second; never a goal.
constexpr auto kWait = 5s;

bool isLink(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool leadsSomewhere(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// The settings lines of a frame: pH min, pH max, KH, margin, brightness, contrast.
Lines settingsOf(const Lines& frame) {
    return {frame[1], frame[2], frame[4], frame[5], frame[8], frame[9]};
}

const Lines kFactoryLines{"6,90", "7,10", "0", "20", "100", "10"};

// Reads frames until one reports `expected` settings; fails after a handful.
std::optional<Lines> frameWithSettings(SerialEnd& serial, const Lines& expected) {
    for (int i = 0; i < 10; ++i) {
        const auto frame = serial.nextFrame(kWait);
        if (!frame)
            return std::nullopt;
        if (frame->size() == 12 && settingsOf(*frame) == expected)
            return frame;
    }
    return std::nullopt;
}

// Writes one element per write, as the program does.
void writeElements(SerialEnd& serial, const std::string& stream) {
    for (std::size_t i = 0; i < stream.size(); i += 3)
        serial.write(stream.substr(i, 3));
}

std::string repeated(const std::string& element, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += element;
    return out;
}

class SimEndToEnd : public ::testing::Test {
protected:
    // Starts the simulator and waits for it to announce the link.
    std::unique_ptr<SimProcess> start(std::vector<std::string> args) {
        args.insert(args.begin(), {"--link", link});
        auto sim = std::make_unique<SimProcess>(args);
        const auto line = sim->nextLine(kWait);
        EXPECT_TRUE(line && line->starts_with("tivrel7-sim: /dev/") &&
                    line->ends_with(" linked at " + link))
            << line.value_or("(no line)");
        return sim;
    }

    TempFolder folder;
    const std::string link = folder.path("tivrel7");
};

TEST_F(SimEndToEnd, TakesASettingsSendAndAFactoryReset) {
    const std::string echo = folder.path("commands");
    auto sim = start({"--interval-ms", "100", "--seed", "7", "--echo-commands", echo});
    SerialEnd serial(link);
    ASSERT_TRUE(serial.isOpen());

    const auto first = frameWithSettings(serial, kFactoryLines);
    ASSERT_TRUE(first) << "no frame with the factory settings";
    EXPECT_EQ((*first)[3], "0"); // no KH, no ppm
    EXPECT_EQ((*first)[10], "*");
    EXPECT_TRUE(std::regex_match((*first)[0], std::regex("[4-9],[0-9][0-9]"))) << (*first)[0];

    // The pH range 6,25..7,50, margin 1,11, KH 8, brightness 80, contrast 15.
    const std::string fields = "080015007050006025111008000000";
    writeElements(serial, fields + fields);
    std::this_thread::sleep_for(500ms);
    writeElements(serial, repeated("111", 10));
    EXPECT_EQ(sim->nextLine(kWait), "applied 80 15 7 50 6 25 111 8");

    const auto changed = frameWithSettings(serial, {"6,25", "7,50", "8", "111", "80", "15"});
    ASSERT_TRUE(changed) << "the frames do not report the settings sent";
    const std::string ph = (*changed)[0];
    const int phHundredths = (ph[0] - '0') * 100 + std::stoi(ph.substr(2));
    EXPECT_EQ((*changed)[3], sim::ppmText(8, phHundredths));

    writeElements(serial, repeated("222", 10));
    EXPECT_EQ(sim->nextLine(kWait), "factory reset");
    EXPECT_TRUE(frameWithSettings(serial, kFactoryLines)) << "no factory settings after reset";

    sim->signal(SIGTERM);
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    EXPECT_FALSE(isLink(link)) << "the link outlived the simulator";

    std::string received(4096, '\0');
    const int fd = open(echo.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    received.resize(static_cast<std::size_t>(read(fd, received.data(), received.size())));
    close(fd);
    EXPECT_EQ(received, fields + fields + repeated("111", 10) + repeated("222", 10));
}

TEST_F(SimEndToEnd, ScheduledFaultsAppearInTheStream) {
    auto sim = start({"--interval-ms", "150", "--frames", "6", "--fault", "2:broken", "--fault",
                      "3:nul", "--fault", "4:noeol", "--fault", "5:burst"});
    SerialEnd serial(link);
    ASSERT_TRUE(serial.isOpen());
    bool ended = false;
    const std::string stream = serial.readToEnd(10s, ended);
    EXPECT_TRUE(ended) << "the device did not go away after its last frame";
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    EXPECT_FALSE(isLink(link));

    // nul: the NULs sit inside one frame, which is whole once they are taken out.
    const auto firstNul = stream.find('\0');
    ASSERT_NE(firstNul, std::string::npos) << "no NUL bytes";
    const auto lastNul = stream.rfind('\0');
    std::string nulFrame = stream.substr(firstNul - 1, lastNul - firstNul + 3);
    std::erase(nulFrame, '\0');
    EXPECT_TRUE(std::regex_match(nulFrame, std::regex("[4-9],[0-9]{2}\r\n([^\r\n]*\r\n){9}"
                                                      "\\*\r\n\\*\r\n")))
        << nulFrame;

    std::string plain = stream;
    std::erase(plain, '\0');
    // broken: line 0 of a frame with a point.
    EXPECT_TRUE(std::regex_search(plain, std::regex("\\*\r\n[4-9]\\.[0-9]{2}\r\n")));
    // noeol: 200 characters without a line end.
    EXPECT_TRUE(std::regex_search(plain, std::regex("[0-9A-Za-z]{200}")));
    // burst: 20 frames besides the others.
    std::size_t frames = 0;
    for (auto at = plain.find("*\r\n*\r\n"); at != std::string::npos;
         at = plain.find("*\r\n*\r\n", at + 1))
        ++frames;
    EXPECT_GE(frames, 20u);
}

TEST_F(SimEndToEnd, ControlFifoPerformsAtOnce) {
    const std::string control = folder.path("control");
    auto sim = start({"--interval-ms", "600000", "--control", control});
    SerialEnd serial(link);
    ASSERT_TRUE(serial.isOpen());
    const int fifo = open(control.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fifo, 0) << "no control FIFO";
    const auto tell = [fifo](const std::string& line) {
        ASSERT_EQ(write(fifo, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    };

    tell("broken\n");
    auto frame = serial.nextFrame(kWait);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(std::regex_match((*frame)[0], std::regex("[4-9]\\.[0-9]{2}"))) << (*frame)[0];

    tell("frame\n");
    frame = serial.nextFrame(kWait);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(std::regex_match((*frame)[0], std::regex("[4-9],[0-9]{2}"))) << (*frame)[0];
    EXPECT_EQ(settingsOf(*frame), kFactoryLines);

    tell("nul\n");
    const auto withNuls = serial.readThrough(std::string("*\0\r\0\n\0*\0\r\0\n", 10), kWait);
    ASSERT_TRUE(withNuls);
    EXPECT_NE(withNuls->find('\0'), std::string::npos);

    tell("quit\n");
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    close(fifo);
    EXPECT_FALSE(isLink(link));
    EXPECT_FALSE(std::filesystem::exists(control)) << "the FIFO it made was left behind";
}

TEST_F(SimEndToEnd, HangupLeavesTheLinkDanglingUntilReopened) {
    auto sim = start({"--interval-ms", "100", "--fault", "2:hangup", "--reopen-ms", "1500"});
    {
        SerialEnd serial(link);
        ASSERT_TRUE(serial.isOpen());
        bool ended = false;
        serial.readToEnd(kWait, ended);
        ASSERT_TRUE(ended) << "reads go on after the hang-up";
        // Linux reports end of file on a hung-up terminal; other systems report EIO.
        EXPECT_TRUE(serial.endErrno() == 0 || serial.endErrno() == EIO) << serial.endErrno();
        EXPECT_THROW(serial.write("111"), std::runtime_error);
        EXPECT_TRUE(isLink(link));
        EXPECT_FALSE(leadsSomewhere(link)) << "the link should dangle while the device is gone";
    }

    const auto again = sim->nextLine(kWait);
    ASSERT_TRUE(again && again->ends_with(" linked at " + link)) << again.value_or("(none)");
    SerialEnd serial(link);
    ASSERT_TRUE(serial.isOpen());
    const auto frame = serial.nextFrame(kWait);
    ASSERT_TRUE(frame);
    EXPECT_EQ(settingsOf(*frame), kFactoryLines);

    sim->signal(SIGTERM);
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    EXPECT_FALSE(isLink(link));
}

TEST_F(SimEndToEnd, HangupWithoutReopenEndsTheRun) {
    auto sim = start({"--interval-ms", "100", "--fault", "1:hangup"});
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    EXPECT_FALSE(isLink(link));
}

TEST_F(SimEndToEnd, ReplacesAnOldLinkButNeverAFile) {
    ASSERT_EQ(symlink("/nonexistent", link.c_str()), 0);
    auto sim = start({});
    EXPECT_TRUE(leadsSomewhere(link));
    sim->signal(SIGINT);
    EXPECT_EQ(sim->waitForExit(kWait), 0);
    EXPECT_FALSE(isLink(link));

    const std::string file = folder.path("file");
    close(open(file.c_str(), O_WRONLY | O_CREAT, 0644));
    SimProcess refused({"--link", file});
    EXPECT_EQ(refused.waitForExit(kWait), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

} // namespace
} // namespace tivrel::test
