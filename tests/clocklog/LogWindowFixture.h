#pragma once

#include "log/LogFiles.h"
#include "platform/AppError.h"
#include "platform/DateText.h"
#include "tests/app/WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <map>

namespace tivrel::test {

// A valid frame; its row reads ";7,05;6,90;7,10;15,5;7;20;on;off" after the time.
inline Frame testFrame(const char* ppm = "15,5", const char* o2 = "1", const char* co2 = "0") {
    return {"7,05", "6,90", "7,10", ppm, "7", "20", o2, co2, "100", "10", "*", "*"};
}

// A window in a fresh working folder with fixed date and time formats and a clock the test
// sets. Frames are handed to the log the way the receive event does it for a valid frame:
// shown first (which turns the pH comma into a point), then logged, then the frame's clock
// minute remembered, unless a step failed.
class LogWindowFixture : public WindowFixture {
protected:
    LogWindowFixture() {
        setDateTimeFormats({"%Y-%m-%d", "%H:%M:%S"});
        desktop.realPauses = false;
    }
    ~LogWindowFixture() override {
        replaceWindowLogFileSystem(nullptr);
        setDateTimeFormats(localeDateTimeFormats());
    }

    TForm1& createShown() {
        TForm1& window = create();
        window.show();
        return window;
    }

    // Sets the clock and lets the window's clock tick at that moment.
    void at(const char* moment) {
        desktop.clock = QDateTime::fromString(QString::fromLatin1(moment), "yyyy-MM-dd hh:mm:ss");
        ASSERT_TRUE(desktop.clock->isValid()) << moment;
        form->Timer1Timer();
    }

    // The valid-frame steps of the receive event; the failure's message, or "" when none.
    std::string frameAt(const char* moment, Frame lines = testFrame()) {
        at(moment);
        form->LastFrame = lines;
        try {
            form->ShowFrame();
            form->LogFrame();
            form->LastFrameMinute = form->ClockMinute;
        } catch (const AppError& error) {
            return error.what();
        }
        return {};
    }

    void tick() { form->CheckBox1->setChecked(true); }
    void untick() { form->CheckBox1->setChecked(false); }

    void closeAt(const char* moment) {
        at(moment);
        form->close();
    }

    // Every file of the working folder but the window-state file, by name, with its bytes.
    std::map<std::string, std::string> logFiles() const {
        std::map<std::string, std::string> files;
        const QDir folder(QString::fromStdString(folderPath()));
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            if (name == QLatin1String("tivrel7.ini"))
                continue;
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                files[name.toStdString()] = file.readAll().toStdString();
        }
        return files;
    }

    void writeFile(const std::string& name, const std::string& bytes) const {
        QFile file(QString::fromStdString(folderPath() + "/" + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
};

} // namespace tivrel::test
