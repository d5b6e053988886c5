#pragma once

#include "app/Desktop.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tivrel::test {

// A desktop whose screen and clock the test sets and whose message windows and dialogs are
// answered at once and remembered.
class FakeDesktop : public Desktop {
public:
    QSize screen{1024, 768};
    QStringList messages; // "caption|text" of each message window
    QStringList errors;   // text of each error box
    int pausedMilliseconds = 0;
    bool realPauses = true;

    // The clock: real time unless the test sets one.
    std::optional<QDateTime> clock;

    // Questions: "caption|text" of each, answered by `okAnswer` (or by `onQuestion` when set,
    // which may also act while the question is open).
    QStringList questions;
    bool okAnswer = true;
    std::function<bool()> onQuestion;

    // File dialogs: each request is remembered; answers are taken from the front of the lists
    // (an empty answer, or none left, means the user cancelled).
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;
    QStringList saveAnswers;
    QStringList openAnswers;

    // Programs started: "program arg1 arg2 ..." each; `canStart` decides whether they start.
    QList<QStringList> startedPrograms;
    bool canStart = true;

    QSize screenSize() const override { return screen; }
    QDateTime now() const override { return clock ? *clock : QDateTime::currentDateTime(); }
    void showMessage(const QString& caption, const QString& text, QWidget*) override {
        messages << caption + u'|' + text;
    }
    void showError(const QString& message, QWidget*) override { errors << message; }
    bool askOkCancel(const QString& caption, const QString& text) override {
        questions << caption + u'|' + text;
        return onQuestion ? onQuestion() : okAnswer;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request, QWidget*) override {
        saveRequests.push_back(request);
        return takeAnswer(saveAnswers);
    }
    std::optional<QString> chooseOpenFile(const FileDialogRequest& request, QWidget*) override {
        openRequests.push_back(request);
        return takeAnswer(openAnswers);
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        startedPrograms << (QStringList{program} + arguments);
        return canStart;
    }
    void pause(int milliseconds) override {
        pausedMilliseconds += milliseconds;
        if (realPauses)
            Desktop::pause(milliseconds);
    }

private:
    static std::optional<QString> takeAnswer(QStringList& answers) {
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }
};

} // namespace tivrel::test
