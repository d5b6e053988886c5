#include "app/Desktop.h"

#include "app/AppTexts.h"
#include "platform/AppError.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QThread>

namespace tivrel {

namespace {

// Message windows show the program's CR LF line breaks as plain line breaks.
QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

// "Description|pattern|Description|pattern" as the file dialog's list of name filters.
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    return filters;
}

std::optional<QString> runFileDialog(QFileDialog::AcceptMode mode, const FileDialogRequest& request,
                                     QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    // Both dialogs give back any name typed, also one of a file that does not exist: a load
    // of such a name then reports "File not found".
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDirectory(request.initialFolder);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QSize Desktop::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QDateTime Desktop::now() const {
    return QDateTime::currentDateTime();
}

void Desktop::showMessage(const QString& caption, const QString& text, QWidget* owner) {
    QMessageBox box(QMessageBox::NoIcon, caption, displayText(text), QMessageBox::Ok, owner);
    box.exec();
}

void Desktop::showError(const QString& message, QWidget* owner) {
    const QString text = QString::fromStdString(errorBoxText(message.toStdString()));
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), displayText(text),
                    QMessageBox::Ok, owner);
    box.exec();
}

bool Desktop::askOkCancel(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, displayText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, nullptr);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> Desktop::chooseSaveFile(const FileDialogRequest& request, QWidget* owner) {
    return runFileDialog(QFileDialog::AcceptSave, request, owner);
}

std::optional<QString> Desktop::chooseOpenFile(const FileDialogRequest& request, QWidget* owner) {
    return runFileDialog(QFileDialog::AcceptOpen, request, owner);
}

bool Desktop::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void Desktop::pause(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace tivrel
