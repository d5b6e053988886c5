#include "platform/PortName.h"

#include <QFileInfo>

namespace tivrel {

QString devicePathForPortName(const QString& portName,
                              const std::function<bool(const QString&)>& exists) {
    if (portName.startsWith(u'/'))
        return portName;
    const QString inDev = QStringLiteral("/dev/") + portName;
    if (portName.size() > 3 && portName.startsWith(QLatin1String("COM"))) {
        bool ok = false;
        const QStringView digits = QStringView(portName).mid(3);
        bool allDigits = true;
        for (QChar c : digits)
            allDigits = allDigits && c >= u'0' && c <= u'9';
        const qlonglong n = allDigits ? digits.toLongLong(&ok) : 0;
        if (ok && n >= 1 && !exists(inDev))
            return QStringLiteral("/dev/ttyS") + QString::number(n - 1);
    }
    return inDev;
}

QString devicePathForPortName(const QString& portName) {
    return devicePathForPortName(portName,
                                 [](const QString& path) { return QFileInfo::exists(path); });
}

} // namespace tivrel
