#pragma once

#include "app/TivrelMainForm.h"
#include "platform/TextFile.h"
#include "tests/app/FakeDesktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tivrel::test {

// Runs each test in a fresh working folder, where the window reads and writes tivrel7.ini.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~WindowFixture() override {
        form.reset();
        QDir::setCurrent(previous_);
    }

    std::string statePath() const { return folder_.filePath("tivrel7.ini").toStdString(); }
    std::string folderPath() const { return folder_.path().toStdString(); }

    void writeState(const std::string& bytes) {
        QFile file(QString::fromStdString(statePath()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string readState() const {
        QFile file(QString::fromStdString(statePath()));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }

    TForm1& create() {
        form = std::make_unique<TForm1>(desktop);
        return *form;
    }
    void closeWindow() { form->close(); }

    template <typename Condition> static bool waitFor(Condition condition, int ms = 2000) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return condition();
    }

    FakeDesktop desktop;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir folder_;
    QString previous_;
};

} // namespace tivrel::test
