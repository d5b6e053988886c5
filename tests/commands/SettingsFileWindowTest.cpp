// Save and load through the real window and real files in the test's working folder.
#include "app/ClickLabel.h"
#include "tests/commands/CommandWindow.h"
#include "tests/support/Pty.h"

#include <QDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace std::chrono_literals;
using namespace std::string_literals;
using tivrel::test::CommandWindow;
using tivrel::test::kFactoryTexts;
using tivrel::test::Pty;
using tivrel::test::SpinTexts;

namespace {

void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good());
}

std::string readBytes(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string crLfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const tivrel::Frame kFrameBefore{"7,05", "5,00", "5,00", "1", "3", "5",
                                 "0",    "1",    "50",   "5", "*", "*"};

class SettingsFile : public CommandWindow {
protected:
    void SetUp() override {
        connectTo(pty.slavePath());
        form->LastFrame = kFrameBefore;
    }
    void save(const QString& path) {
        desktop.saveAnswers << path;
        click(form->SpeedButton2);
    }
    void load(const QString& path) {
        desktop.openAnswers << path;
        click(form->SpeedButton1);
    }
    QString folder() const { return QString::fromStdString(folderPath()); }
    std::vector<std::string> fields(std::size_t from, std::size_t to) const {
        return {form->SettingsFields.begin() + static_cast<std::ptrdiff_t>(from),
                form->SettingsFields.begin() + static_cast<std::ptrdiff_t>(to) + 1};
    }

    Pty pty;
};

// Save then load gives the same values back, across each spin edit's whole range.
TEST_F(SettingsFile, SaveThenLoadGivesTheSameValuesBack) {
    const SpinTexts cases[] = {
        kFactoryTexts,
        {"4,00", "4,10", "0,00", "0", "0", "0"},
        {"8,70", "8,80", "2,50", "20", "100", "25"},
        {"6,05", "7,00", "0,05", "1", "1", "1"},
        {"4,99", "8,01", "0,53", "19", "99", "24"},
        {"7,50", "7,51", "2,37", "10", "50", "12"},
    };
    const QString path = pathIn(QStringLiteral("nastawy.tvr"));
    for (const SpinTexts& values : cases) {
        SCOPED_TRACE(::testing::PrintToString(values));
        typeAll(values);
        save(path);
        typeAll({"5,55", "5,66", "1,11", "7", "77", "7"});
        load(path);
        EXPECT_EQ(shownAll(), values);
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
}

TEST_F(SettingsFile, SavingTheFactoryValuesWritesTheirTenLines) {
    save(pathIn(QStringLiteral("fabryczne.tvr")));
    EXPECT_EQ(readBytes(pathIn(QStringLiteral("fabryczne.tvr"))),
              "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(form->RxLabel1->text(), QStringLiteral("fabryczne.tvr"));
    EXPECT_EQ(fields(1, 10),
              (std::vector<std::string>{"100", "10", "7", "10", "6", "90", "20", "0", "0", "0"}));
    const tivrel::Frame refreshed{"7,05", "6,90", "7,10", "1",  "0", "20",
                                  "0",    "1",    "100",  "10", "*", "*"};
    EXPECT_EQ(form->LastFrame, refreshed);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(SettingsFile, SavesWhatTheSpinEditsCanHoldAndShowsIt) {
    type(form->RxSpinEdit7, QStringLiteral("6,999"));
    type(form->RxSpinEdit11, QStringLiteral("9,50"));
    save(pathIn(QStringLiteral("a.tvr")));
    EXPECT_EQ(readBytes(pathIn(QStringLiteral("a.tvr"))),
              "100\r\n10\r\n7\r\n10\r\n7\r\n0\r\n250\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(shown(form->RxSpinEdit7), QStringLiteral("7,00"));
    EXPECT_EQ(shown(form->RxSpinEdit11), QStringLiteral("2,50"));
}

TEST_F(SettingsFile, SavingReplacesAnExistingFileWithoutAQuestion) {
    const QString path = pathIn(QStringLiteral("stary.tvr"));
    writeBytes(path, std::string(5000, 'x') + "\r\n");
    save(path);
    EXPECT_EQ(readBytes(path), "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n0\r\n0\r\n");
    EXPECT_TRUE(desktop.questions.isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(SettingsFile, TheLabelShowsTheNameAndTheHintTheWorkingFolder) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("Nastawy")));
    save(pathIn(QStringLiteral("Nastawy/akwarium.tvr")));
    EXPECT_EQ(form->RxLabel1->text(), QStringLiteral("akwarium.tvr"));
    EXPECT_EQ(form->RxLabel1->toolTip(), folder());
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].initialFolder, folder());

    // A name in the locale's 8-bit form reaches the file as it is and shows on the label.
    const QString polish = pathIn(QString::fromUtf8("Nastawy/żółw.tvr"));
    save(polish);
    EXPECT_EQ(form->RxLabel1->text(), QString::fromUtf8("żółw.tvr"));
    EXPECT_EQ(readBytes(polish), "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n0\r\n0\r\n");
    load(polish);
    EXPECT_EQ(form->RxLabel1->text(), QString::fromUtf8("żółw.tvr"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
}

TEST_F(SettingsFile, TheRootFolderKeepsItsSeparator) {
    // Back in the test's folder whatever happens: nothing may be written at the root.
    struct BackHome {
        QString home;
        ~BackHome() { QDir::setCurrent(home); }
    } backHome{folder()};
    QDir::setCurrent(QStringLiteral("/"));
    click(form->SpeedButton2);
    click(form->SpeedButton1);
    EXPECT_EQ(form->RxLabel1->toolTip(), QStringLiteral("/"));
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].initialFolder, QStringLiteral("/"));
    EXPECT_EQ(desktop.openRequests[0].initialFolder, QStringLiteral("/"));
}

TEST_F(SettingsFile, CancelChangesNothingButTheHint) {
    TForm1& window = *form;
    window.RxLabel1->setToolTip(QStringLiteral("somewhere"));
    window.SettingsFields[5] = "5";
    window.Memo.clear();
    window.Memo.append("7,0");
    typeAll({"5,55", "5,66", "1,11", "7", "77", "7"});
    click(window.SpeedButton2);
    EXPECT_EQ(window.RxLabel1->toolTip(), folder());
    window.RxLabel1->setToolTip(QStringLiteral("somewhere"));
    click(window.SpeedButton1);
    EXPECT_EQ(window.RxLabel1->toolTip(), folder());

    EXPECT_EQ(window.RxLabel1->text(), QStringLiteral("*.*"));
    EXPECT_EQ(fields(1, 15), (std::vector<std::string>{"", "", "", "", "5", "", "", "", "", "", "",
                                                       "", "", "", ""}));
    EXPECT_EQ(window.Memo.text(), "7,0");
    EXPECT_EQ(window.LastFrame, kFrameBefore);
    EXPECT_EQ(shownAll(), (SpinTexts{"5,55", "5,66", "1,11", "7", "77", "7"}));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("tivrel7.ini")});
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(SettingsFile, EachDialogProposesTheFileChosenInItLastTime) {
    const QString saved = pathIn(QStringLiteral("zapisany.tvr"));
    const QString loaded = pathIn(QStringLiteral("wczytany.tvr"));
    save(saved);
    click(form->SpeedButton2); // cancelled: the last choice stays proposed
    click(form->SpeedButton2);
    writeBytes(loaded, "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n0\r\n0\r\n");
    load(loaded);
    click(form->SpeedButton1);

    const QString saveFilter = QString::fromUtf8("Pliki ustawień Lurda2 (*.lrd)|*.tvr");
    const QString openFilter =
        QString::fromUtf8("Pliki ustawień Lurda2 (*.lrd)|*.tvr|All files (*.*)|*.*");
    ASSERT_EQ(desktop.saveRequests.size(), 3u);
    EXPECT_EQ(desktop.saveRequests[0].proposedName, QStringLiteral("moje_nastawy"));
    EXPECT_EQ(desktop.saveRequests[1].proposedName, saved);
    EXPECT_EQ(desktop.saveRequests[2].proposedName, saved);
    for (const tivrel::FileDialogRequest& request : desktop.saveRequests) {
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("tvr"));
        EXPECT_EQ(request.filter, saveFilter);
        EXPECT_EQ(request.initialFolder, folder());
    }
    ASSERT_EQ(desktop.openRequests.size(), 2u);
    EXPECT_EQ(desktop.openRequests[0].proposedName, QStringLiteral("moje_nastawy1.tvr"));
    EXPECT_EQ(desktop.openRequests[1].proposedName, loaded);
    for (const tivrel::FileDialogRequest& request : desktop.openRequests) {
        EXPECT_EQ(request.defaultSuffix, QString());
        EXPECT_EQ(request.filter, openFilter);
        EXPECT_EQ(request.initialFolder, folder());
    }
}

struct LoadCase {
    const char* name;
    std::string bytes;
    SpinTexts shownAfter;
    std::vector<std::string> fields1to15;
    std::size_t bufferLines;
    const char* frameLine1; // LastFrame line 1 after the load
    const char* error;      // nothing when empty
};
void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

// Fields before each load: 1 to 8 hold values that differ from every file below, 9 to 15 "old".
const std::vector<std::string> kFieldsBefore{"55",  "5",   "8",   "8",   "5",   "5",   "50", "9",
                                             "old", "old", "old", "old", "old", "old", "old"};
const SpinTexts kShownBefore{"5,55", "5,66", "1,11", "7", "77", "7"};

std::vector<std::string> numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::to_string(i));
    return lines;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> kFactoryLines{"100", "10", "7", "10", "6",
                                             "90",  "20", "0", "0",  "0"};
const std::vector<std::string> kOld5{"old", "old", "old", "old", "old"};

const LoadCase kLoadCases[] = {
    {"FactoryFile", crLfLines(kFactoryLines), kFactoryTexts, concat(kFactoryLines, kOld5), 10,
     "6,90", ""},
    {"LeadingZeros", "100\r\n010\r\n007\r\n010\r\n006\r\n090\r\n020\r\n000\r\n0\r\n0\r\n",
     kFactoryTexts,
     concat({"100", "010", "007", "010", "006", "090", "020", "000", "0", "0"}, kOld5), 10, "6,90",
     ""},
    {"LimitedBySpinEdits",
     "300\r\n30\r\n9\r\n0\r\n3\r\n0\r\n300\r\n21\r\n0\r\n0\r\n",
     {"4,00", "8,80", "2,50", "20", "100", "25"},
     concat({"300", "30", "9", "0", "3", "0", "300", "21", "0", "0"}, kOld5),
     10,
     "3,00",
     ""},
    {"HundredthsOverflowIntoTheWholePart",
     crLfLines({"1", "2", "6", "123", "6", "5"}),
     {"6,05", "7,23", "0,50", "9", "1", "2"},
     {"1", "2", "6", "123", "6", "5", "50", "9", "old", "old", "old", "old", "old", "old", "old"},
     6,
     "6,05",
     ""},
    {"LoneLfLineEnds", "100\n10\n7\n10\n6\n90\n20\n0\n0\n0\n", kFactoryTexts,
     concat(kFactoryLines, kOld5), 10, "6,90", ""},
    {"LoneCrLineEnds", "100\r10\r7\r10\r6\r90\r20\r0\r0\r0", kFactoryTexts,
     concat(kFactoryLines, kOld5), 10, "6,90", ""},
    {"TwelveLines", crLfLines(concat(kFactoryLines, {"11", "12"})), kFactoryTexts,
     concat(kFactoryLines, {"11", "12", "old", "old", "old"}), 12, "6,90", ""},
    {"SevenLinesKeepFieldsEightToTen",
     crLfLines({"100", "10", "7", "10", "6", "90", "20"}),
     {"6,90", "7,10", "0,20", "9", "100", "10"},
     concat({"100", "10", "7", "10", "6", "90", "20", "9"}, concat({"old", "old"}, kOld5)),
     7,
     "6,90",
     ""},
    // Fields end at 15: later lines go to the receive buffer only.
    {"TwentyLines", crLfLines(concat(kFactoryLines, numbered(10))), kFactoryTexts,
     concat(kFactoryLines, {"1", "2", "3", "4", "5"}), 20, "6,90", ""},
    {"ThousandsOfLines", crLfLines(concat(kFactoryLines, numbered(5000))), kFactoryTexts,
     concat(kFactoryLines, {"1", "2", "3", "4", "5"}), 5010, "6,90", ""},
    {"EmptyFileChangesNoField",
     "",
     {"5,05", "8,08", "0,50", "9", "55", "5"},
     kFieldsBefore,
     0,
     "5,05",
     ""},
    // Field 5 is read first: no spin edit changes.
    {"DecimalCommaInLineFive", crLfLines({"100", "10", "7", "10", "6,9", "90", "20", "0"}),
     kShownBefore,
     concat({"100", "10", "7", "10", "6,9", "90", "20", "0"}, concat({"old", "old"}, kOld5)), 8,
     "5,00", "'6,9' is not a valid integer value"},
    // pH minimum and maximum are set before the margin fails.
    {"LetterInLineSeven",
     crLfLines({"100", "10", "7", "10", "6", "90", "2O", "0"}),
     {"6,90", "7,10", "1,11", "7", "77", "7"},
     concat({"100", "10", "7", "10", "6", "90", "2O", "0"}, concat({"old", "old"}, kOld5)),
     8,
     "5,00",
     "'2O' is not a valid integer value"},
    {"EmptyLineEight",
     crLfLines({"100", "10", "7", "10", "6", "90", "20", ""}),
     {"6,90", "7,10", "0,20", "7", "77", "7"},
     concat({"100", "10", "7", "10", "6", "90", "20", ""}, concat({"old", "old"}, kOld5)),
     8,
     "5,00",
     "'' is not a valid integer value"},
    {"BinaryBytes",
     "\x89PNG\r\n\x1a\n\x01\x02\r\n\xff\xfe\r\n\x7f\x1b[0m\r\nIHDR\r\n"s,
     kShownBefore,
     {"\x89PNG", "\x1a", "\x01\x02", "\xff\xfe", "\x7f\x1b[0m", "IHDR", "50", "9", "old", "old",
      "old", "old", "old", "old", "old"},
     6,
     "5,00",
     "'\x7f\x1b[0m' is not a valid integer value"},
};

class LoadFile : public SettingsFile, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadFile, SetsFieldsBufferSpinEditsAndLastFrame) {
    const LoadCase& c = GetParam();
    TForm1& window = *form;
    for (std::size_t k = 1; k <= 15; ++k)
        window.SettingsFields[k] = kFieldsBefore[k - 1];
    typeAll(kShownBefore);
    window.Memo.clear();
    window.Memo.append("7,05\r\n6,9");
    const QString path = pathIn(QStringLiteral("plik.tvr"));
    writeBytes(path, c.bytes);
    load(path);

    EXPECT_EQ(window.RxLabel1->text(), QStringLiteral("plik.tvr"));
    EXPECT_EQ(fields(1, 15), c.fields1to15);
    EXPECT_EQ(window.Memo.lineCount(), c.bufferLines);
    EXPECT_EQ(shownAll(), c.shownAfter);
    EXPECT_EQ(window.LastFrame[1], c.frameLine1);
    if (std::string(c.error).empty()) {
        EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
    } else {
        EXPECT_EQ(desktop.errors, QStringList{QString::fromLatin1(c.error)});
        EXPECT_EQ(window.LastFrame, kFrameBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadFile, ::testing::ValuesIn(kLoadCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(SettingsFile, LoadedLinesStandInTheBufferAndMakeTheNextFrameInvalid) {
    TForm1& window = *form;
    const QString path = pathIn(QStringLiteral("dwanascie.tvr"));
    writeBytes(path, crLfLines(concat(kFactoryLines, {"11", "12"})));
    load(path);
    EXPECT_EQ(window.Memo.text(), crLfLines(concat(kFactoryLines, {"11", "12"})));
    window.FrameValid = true;
    pty.write("7,05\r\n");
    ASSERT_TRUE(waitFor([&] { return window.Memo.text().empty(); }));
    EXPECT_FALSE(window.FrameValid);
    EXPECT_EQ(window.LastFrame[0], "100");
}

TEST_F(SettingsFile, SevenLinesWithFieldEightNeverSetFailOnTheEmptyField) {
    TForm1& window = *form;
    const QString path = pathIn(QStringLiteral("siedem.tvr"));
    writeBytes(path, crLfLines({"100", "10", "7", "10", "6", "05", "30"}));
    typeAll(kShownBefore);
    load(path);
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("'' is not a valid integer value")});
    EXPECT_EQ(shownAll(), (SpinTexts{"6,05", "7,10", "0,30", "7", "77", "7"}));
    EXPECT_EQ(window.LastFrame, kFrameBefore);
}

TEST_F(SettingsFile, AMarginOfThreeHundredIsSentAsTheSpinEditShowsIt) {
    const QString path = pathIn(QStringLiteral("margines.tvr"));
    writeBytes(path, "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n300\r\n0\r\n0\r\n0\r\n");
    load(path);
    EXPECT_EQ(form->SettingsFields[7], "300");
    EXPECT_EQ(form->LastFrame[5], "300");
    desktop.realPauses = false;
    click(form->SpeedButton3);
    const std::string pass = "100010007010006090250000000000";
    EXPECT_EQ(pty.read(90, 2s), pass + pass + std::string(30, '1'));
}

TEST_F(SettingsFile, AHugeLineGivesAShortMessage) {
    TForm1& window = *form;
    std::string huge(10 * 1024 * 1024, '7');
    huge[0] = 'x';
    const QString path = pathIn(QStringLiteral("duzy.tvr"));
    writeBytes(path, "100\r\n10\r\n7\r\n10\r\n" + huge + "\r\n90\r\n");
    typeAll(kShownBefore);
    load(path);
    ASSERT_EQ(desktop.errors.size(), 1);
    const QString message = desktop.errors[0];
    EXPECT_LE(message.size(), 200);
    EXPECT_TRUE(message.startsWith(QStringLiteral("'x777"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("...")));
    EXPECT_TRUE(message.endsWith(QStringLiteral("7' is not a valid integer value")));
    EXPECT_EQ(window.SettingsFields[5], huge);
    EXPECT_EQ(shownAll(), kShownBefore);
}

TEST_F(SettingsFile, NulBytesReachTheFieldsAndNothingBreaks) {
    TForm1& window = *form;
    const QString path = pathIn(QStringLiteral("nul.tvr"));
    writeBytes(path, "1\0000\r\n\0\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n"s);
    load(path);
    EXPECT_EQ(window.SettingsFields[1], "1\0000"s);
    EXPECT_EQ(window.SettingsFields[2], "\0"s);
    // Field 1 fails after pH, margin and KH were set; the message is the error box's.
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].startsWith(QStringLiteral("'1")));
    EXPECT_EQ(shown(window.RxSpinEdit7), QStringLiteral("6,90"));
}

struct FileErrorCase {
    const char* name;
    bool saves;
    std::string path; // under the working folder unless absolute
    const char* message;
    const char* label;
};
void PrintTo(const FileErrorCase& c, std::ostream* out) {
    *out << c.name;
}

const FileErrorCase kFileErrorCases[] = {
    {"LoadMissingFile", false, "brak.tvr", "File not found", "brak.tvr"},
    {"LoadMissingFolder", false, "brak/plik.tvr", "Invalid filename", "plik.tvr"},
    {"LoadFolderInTheWay", false, "folder.tvr", "File access denied", "folder.tvr"},
    {"SaveMissingFolder", true, "brak/plik.tvr", "Invalid filename", "plik.tvr"},
    {"SaveFolderInTheWay", true, "folder.tvr", "File access denied", "folder.tvr"},
    {"SaveFullDisk", true, "/dev/full", "Disk full", "full"},
};

class FileError : public SettingsFile, public ::testing::WithParamInterface<FileErrorCase> {};

TEST_P(FileError, ShowsTheMessageAndLeavesTheRestAsItStood) {
    const FileErrorCase& c = GetParam();
    TForm1& window = *form;
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("folder.tvr")));
    for (std::size_t k = 1; k <= 15; ++k)
        window.SettingsFields[k] = kFieldsBefore[k - 1];
    window.Memo.clear();
    window.Memo.append("7,05\r\n6,9");
    typeAll({"6,05", "7,45", "1,15", "12", "55", "3"});
    const QString path =
        c.path[0] == '/' ? QString::fromStdString(c.path) : pathIn(QString::fromStdString(c.path));
    if (c.saves)
        save(path);
    else
        load(path);

    EXPECT_EQ(desktop.errors, QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(window.RxLabel1->text(), QString::fromLatin1(c.label));
    EXPECT_EQ(window.LastFrame, kFrameBefore);
    EXPECT_EQ(window.Memo.text(), "7,05\r\n6,9");
    EXPECT_EQ(shownAll(), (SpinTexts{"6,05", "7,45", "1,15", "12", "55", "3"}));
    if (c.saves)
        EXPECT_EQ(fields(1, 10), (std::vector<std::string>{"55", "3", "7", "45", "6", "5", "115",
                                                           "12", "0", "0"}));
    else
        EXPECT_EQ(fields(1, 15), kFieldsBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, FileError, ::testing::ValuesIn(kFileErrorCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
