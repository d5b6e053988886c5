#pragma once

#include <QString>
#include <functional>

namespace tivrel {

// The device a port name stands for. A name that begins with "/" is a device path and is used
// as it is. "COMn" is /dev/COMn when that exists (a udev symlink the user made for the adapter)
// and otherwise /dev/ttyS<n-1>, the usual place of Windows' COMn on Linux. Any other name is
// looked for in /dev.
QString devicePathForPortName(const QString& portName,
                              const std::function<bool(const QString&)>& exists);

// The same, asking the file system whether /dev/COMn exists.
QString devicePathForPortName(const QString& portName);

} // namespace tivrel
