#pragma once
// Names of the serial ports the connection scan tries: "COM" and a port number 1 to 98, as the
// serial port table names them; "\\.\COM12" names the same port as "COM12".

#include <QString>
#include <QStringList>

// The port number a name stands for: "COM3" 3, "COM12" 12, "\\.\COM12" 12; 0 when the name names
// no port from 1 to 98.
int PortNumber(const QString &name);
// The names in the order the scan tries them: each one added at the end and moved up past every
// name before it with a larger number, so ascending port numbers with names of the same number in
// the order given. Names without a port number are left out.
QStringList ScanOrder(const QStringList &names);
