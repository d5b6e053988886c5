#include "app/Desktop.h"

#include "app/AppTexts.h"
#include "platform/AppError.h"

#include <QGuiApplication>
#include <QMessageBox>
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
} // namespace

QSize Desktop::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
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

void Desktop::pause(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace tivrel
