#include "platform/ComPort.h"
#include "tests/app/WindowFixture.h"

#include <QLineEdit>
#include <sys/stat.h>
#include <unistd.h>

using tivrel::test::WindowFixture;

namespace {

const QString kWarning = QStringLiteral("Tivrel-7|Do poprawnego dzialania program wymaga \r\n"
                                        "rozdzielczosci minimum SVGA 800x600");

struct FirstStartCase {
    QSize screen;
    bool warned;
    QPoint position;
};

class FirstStart : public WindowFixture, public ::testing::WithParamInterface<FirstStartCase> {};

TEST_P(FirstStart, CentresTheWindowWarnsOnSmallScreensAndWritesTheFile) {
    const FirstStartCase& c = GetParam();
    desktop.screen = c.screen;
    TForm1& window = create();
    EXPECT_EQ(desktop.messages, c.warned ? QStringList{kWarning} : QStringList{});
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(window.pos(), c.position);
    EXPECT_EQ(window.Edit1->text(), QStringLiteral("COM1"));
    EXPECT_EQ(window.ComPort->portName(), QStringLiteral("COM1"));
    EXPECT_EQ(window.PortNumber, 1);
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(readState(), "COM1\r\n" + std::to_string(c.position.x()) + "\r\n" +
                               std::to_string(c.position.y()) + "\r\n" +
                               std::to_string(outer.width()) + "\r\n" +
                               std::to_string(outer.height()) + "\r\n");
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Screens, FirstStart,
                         ::testing::Values(FirstStartCase{{1024, 768}, false, {335, 56}},
                                           FirstStartCase{{800, 600}, false, {223, -27}},
                                           FirstStartCase{{640, 480}, true, {143, -87}},
                                           FirstStartCase{{1024, 599}, true, {335, -28}}),
                         [](const auto& param) {
                             return std::to_string(param.param.screen.width()) + "x" +
                                    std::to_string(param.param.screen.height());
                         });

struct StateFileCase {
    const char* name;
    std::string content;
    QString edit;
    QString portName;
    int portNumber;
    QPoint position;
    QStringList errors;
};

class ExistingStateFile : public WindowFixture,
                          public ::testing::WithParamInterface<StateFileCase> {};

TEST_P(ExistingStateFile, RestoresWhatItCanAndLeavesTheFileForTheClose) {
    const StateFileCase& c = GetParam();
    writeState(c.content);
    TForm1& window = create();
    EXPECT_EQ(window.Edit1->text(), c.edit);
    EXPECT_EQ(window.ComPort->portName(), c.portName);
    EXPECT_EQ(window.PortNumber, c.portNumber);
    EXPECT_EQ(window.pos(), c.position);
    EXPECT_EQ(desktop.errors, c.errors);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
    EXPECT_EQ(readState(), c.content) << "the file is only rewritten at the close";

    closeWindow();
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(readState(), c.edit.toStdString() + "\r\n" + std::to_string(c.position.x()) + "\r\n" +
                               std::to_string(c.position.y()) + "\r\n" +
                               std::to_string(outer.width()) + "\r\n" +
                               std::to_string(outer.height()) + "\r\n");
}

const QPoint kLayout(1216, 136);

INSTANTIATE_TEST_SUITE_P(
    Files, ExistingStateFile,
    ::testing::Values(
        StateFileCase{"FiveLines",
                      "COM12\r\n100\r\n200\r\n345\r\n620\r\n",
                      "COM12",
                      "COM12",
                      12,
                      {100, 200},
                      {}},
        StateFileCase{
            "NegativeEdges", "COM3\r\n-8\r\n-20\r\n1\r\n1\r\n", "COM3", "COM3", 3, {-8, -20}, {}},
        StateFileCase{"NoFinalLineEnd", "COM7\r\n5\r\n6\r\n7\r\n8", "COM7", "COM7", 7, {5, 6}, {}},
        StateFileCase{"SixLines",
                      "COM12\r\n100\r\n200\r\n345\r\n620\r\n\r\n",
                      "COM1",
                      "COM1",
                      0,
                      kLayout,
                      {}},
        StateFileCase{"Empty", "", "COM1", "COM1", 0, kLayout, {}},
        StateFileCase{"LongPortLine",
                      "COM1234\r\n10\r\n20\r\n1\r\n1\r\n",
                      "COM1234",
                      "COM1234",
                      0,
                      {10, 20},
                      {}},
        StateFileCase{"PortLineNoNumber",
                      "COMX\r\n10\r\n20\r\n1\r\n1\r\n",
                      "COMX",
                      "COM1",
                      0,
                      kLayout,
                      {QStringLiteral("'X' is not a valid integer value")}},
        StateFileCase{"TopNoNumber",
                      "COM2\r\n10\r\n2O\r\n1\r\n1\r\n",
                      "COM2",
                      "COM2",
                      2,
                      {10, 136},
                      {QStringLiteral("'2O' is not a valid integer value")}},
        StateFileCase{"WidthNoNumber",
                      "COM2\r\n10\r\n20\r\nwide\r\n1\r\n",
                      "COM2",
                      "COM2",
                      2,
                      {10, 20},
                      {QStringLiteral("'wide' is not a valid integer value")}},
        StateFileCase{"Garbage",
                      "\x01\x02garbage\r\n\xff\xfe\r\n\r\n\r\n\r\n",
                      "\x01\x02garbage",
                      "\x01\x02garbage",
                      0,
                      kLayout,
                      {QStringLiteral("'\u00ff\u00fe' is not a valid integer value")}},
        StateFileCase{"ThreeHundredCharacterPort",
                      std::string(300, 'P') + "\r\n1\r\n2\r\n3\r\n4\r\n",
                      QString(300, u'P'),
                      QString(300, u'P'),
                      0,
                      {1, 2},
                      {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(WindowFixture, AVeryLongLineIsRefusedWithoutHanging) {
    writeState("COM4\r\n" + std::string(5'000'000, '7') + "\r\n1\r\n1\r\n1\r\n");
    TForm1& window = create();
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].endsWith(QStringLiteral("' is not a valid integer value")));
    EXPECT_EQ(window.pos(), QPoint(1216, 136));
    EXPECT_EQ(window.PortNumber, 4);
}

TEST_F(WindowFixture, AStateFileThatCannotBeReadOrWrittenNeverKeepsTheWindowOpen) {
    // A folder in the way of the file can neither be read nor replaced.
    ASSERT_EQ(::mkdir(statePath().c_str(), 0755), 0);
    TForm1& window = create();
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("File access denied")});
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowFixture, AStateFileWithoutReadPermissionIsReported) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    writeState("COM12\r\n100\r\n200\r\n345\r\n620\r\n");
    ::chmod(statePath().c_str(), 0);
    create();
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("File access denied")});
}

TEST_F(WindowFixture, TheCloseRewritesTheFileEveryTime) {
    writeState("COM12\r\n100\r\n200\r\n345\r\n620\r\n");
    TForm1& window = create();
    window.SpeedButton18Click();
    window.move(-5, 40);
    closeWindow();
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(readState(), "COM13\r\n-5\r\n40\r\n" + std::to_string(outer.width()) + "\r\n" +
                               std::to_string(outer.height()) + "\r\n");
}

} // namespace
