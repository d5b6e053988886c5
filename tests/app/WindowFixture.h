#pragma once

#include "app/TivrelMainForm.h"
#include "platform/TextFile.h"
#include "tests/app/FakeDesktop.h"
#include "tests/support/WaitFor.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tivrel::test {

// Runs each test in a fresh working folder, where the window reads and writes tivrel7.ini, with
// a window whose desktop the test answers.
template <typename DesktopType> class BasicWindowFixture : public ::testing::Test {
protected:
    BasicWindowFixture() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~BasicWindowFixture() override {
        form.reset();
        QDir::setCurrent(previous_);
    }

    std::string statePath() const { return folder_.filePath("tivrel7.ini").toStdString(); }
    std::string folderPath() const { return folder_.path().toStdString(); }
    QString pathIn(const QString& name) const { return folder_.filePath(name); }

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
        return test::waitFor(condition, ms);
    }

    DesktopType desktop;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir folder_;
    QString previous_;
};

using WindowFixture = BasicWindowFixture<FakeDesktop>;

} // namespace tivrel::test
