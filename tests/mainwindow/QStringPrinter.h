#pragma once
// Window texts in test failures as readable text rather than as bytes.

#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
