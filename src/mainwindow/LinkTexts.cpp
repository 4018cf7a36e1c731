#include "mainwindow/LinkTexts.h"

#include "device/GlobalConstants.h"

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString OfflineCaption()
{
    return FromView(ProductTitle) + QLatin1Char(' ') + FromView(ProductVersion);
}

QString ConnectedCaption(const QString &port)
{
    return OfflineCaption() + QStringLiteral("    Connected Port => ") + port;
}

QString DottedAddress(std::uint32_t address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24 & 0xFF)
        .arg(address >> 16 & 0xFF)
        .arg(address >> 8 & 0xFF)
        .arg(address & 0xFF);
}

QString TrafficText(const QString &prefix, std::span<const std::uint8_t> bytes)
{
    static const char Digits[] = "0123456789ABCDEF";
    QString line = prefix;
    line.reserve(prefix.size() + 3 * static_cast<qsizetype>(bytes.size()));
    for (const std::uint8_t b : bytes) {
        line += QLatin1Char(Digits[b >> 4]);
        line += QLatin1Char(Digits[b & 0xF]);
        line += QLatin1Char(' ');
    }
    return line;
}
