#include "mainwindow/PortNames.h"

#include "platform/serial/PortTable.h"

namespace {

const QString DevicePrefix = QStringLiteral("\\\\.\\");
const QString PortPrefix = QStringLiteral("COM");

}  // namespace

int PortNumber(const QString &name)
{
    QStringView rest(name);
    if (rest.startsWith(DevicePrefix))
        rest = rest.mid(DevicePrefix.size());
    if (!rest.startsWith(PortPrefix))
        return 0;
    rest = rest.mid(PortPrefix.size());
    bool ok = false;
    const int number = rest.toInt(&ok);
    // Digits only: "COM+3" or "COM 3" name no port.
    if (!ok || rest.isEmpty() || !rest.front().isDigit())
        return 0;
    return number >= 1 && number <= serial::PortTable::MaxPort ? number : 0;
}

QStringList ScanOrder(const QStringList &names)
{
    QStringList ordered;
    for (const QString &name : names) {
        const int number = PortNumber(name);
        if (number == 0)
            continue;
        qsizetype at = ordered.size();
        while (at > 0 && number < PortNumber(ordered[at - 1]))
            --at;
        ordered.insert(at, name);
    }
    return ordered;
}
