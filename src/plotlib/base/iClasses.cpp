#include "plotlib/base/iClasses.h"

#include "platform/os/CodePage.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TiMemoryStream) {}
T_IMPLEMENT_CLASS(TiXMLMemoryStream) {}
T_IMPLEMENT_CLASS(TiPlotMinMaxPoint) {}
T_IMPLEMENT_CLASS(TiLimitDataList) {}
T_IMPLEMENT_CLASS(TDigitalSequenceData) {}
T_IMPLEMENT_CLASS(TiUserSchemeList) {}
T_IMPLEMENT_CLASS(TiQuorinSchemeList) {}

// ---- TiMemoryStream ---------------------------------------------------------------------------------------

void TiMemoryStream::WriteString(const QString &Value)
{
    if (Value.size() >= 256)
        throw Exception(QStringLiteral("String Exceeds 255 Characters"));
    const std::string bytes = os::UnicodeToAnsi(Value.toStdU16String());
    WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TiMemoryStream::WriteCRLF()
{
    static const char crlf[2] = {13, 10};
    WriteBuffer(crlf, 2);
}

void TiMemoryStream::WriteStringCRLF(const QString &Value)
{
    WriteString(Value);
    WriteCRLF();
}

QChar TiMemoryStream::ReadChar()
{
    unsigned char byte = 0;
    Read(&byte, 1);
    if (Position() == Size())
        throw Exception(QStringLiteral("EOF"));
    return QChar(static_cast<char16_t>(byte));
}

// ---- TiXMLMemoryStream ------------------------------------------------------------------------------------

void TiXMLMemoryStream::StartElement(const QString &Name)
{
    WriteStringCRLF(QLatin1Char('<') + Name + QLatin1Char('>'));
}

void TiXMLMemoryStream::EndElement(const QString &Name)
{
    WriteStringCRLF(QStringLiteral("</") + Name + QLatin1Char('>'));
}

void TiXMLMemoryStream::WriteElement(const QString &Name, const QString &Value)
{
    WriteStringCRLF(QLatin1Char('<') + Name + QLatin1Char('>') + Value + QStringLiteral("</") + Name +
                    QLatin1Char('>'));
}

QString TiXMLMemoryStream::ReadTagName()
{
    QString name;
    bool nameDone = false;
    for (;;) {
        const QChar c = ReadChar();
        if (c == QLatin1Char('>'))
            return name;
        if (c == QLatin1Char('/') && name.isEmpty() && !nameDone) {
            // A closing tag: pass over it and read the name of the next tag.
            while (ReadChar() != QLatin1Char('<')) {
            }
            continue;
        }
        if (c == QLatin1Char(' '))
            nameDone = true;
        else if (!nameDone)
            name += c;
    }
}

QString TiXMLMemoryStream::GetNameElementStart()
{
    while (ReadChar() != QLatin1Char('<')) {
    }
    return ReadTagName();
}

void TiXMLMemoryStream::GotoElementStart(const QString &Value)
{
    while (GetNameElementStart() != Value) {
    }
}

QString TiXMLMemoryStream::GetElementValue()
{
    QString value;
    for (QChar c = ReadChar(); c != QLatin1Char('<'); c = ReadChar())
        value += c;
    Seek(-1, soCurrent);
    return value;
}

QString TiXMLMemoryStream::GetNameElementStop()
{
    if (ReadChar() != QLatin1Char('<'))
        throw Exception(QStringLiteral("XML Parsing Error - \"<\" not Found"));
    if (ReadChar() != QLatin1Char('/'))
        throw Exception(QStringLiteral("XML Parsing Error - \"/\" not Found"));
    QString name;
    bool nameDone = false;
    for (QChar c = ReadChar(); c != QLatin1Char('>'); c = ReadChar()) {
        if (c == QLatin1Char(' '))
            nameDone = true;
        else if (!nameDone)
            name += c;
    }
    return name;
}

QString TiXMLMemoryStream::GetElement(const QString &Name)
{
    GotoElementStart(Name);
    const QString value = GetElementValue();
    while (GetNameElementStop() != Name) {
    }
    return value;
}

QString TiXMLMemoryStream::GetNextPiece()
{
    QChar c = ReadChar();
    while (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        c = ReadChar();
    QString piece;
    if (c == QLatin1Char('<')) {
        for (c = ReadChar(); c != QLatin1Char('>'); c = ReadChar())
            piece += c;
        return piece;
    }
    for (; c != QLatin1Char('<'); c = ReadChar())
        piece += c;
    Seek(-1, soCurrent);
    return piece;
}

QString TiXMLMemoryStream::PeekNextPiece()
{
    const std::int64_t position = Position();
    QString piece;
    try {
        piece = GetNextPiece();
    } catch (...) {
        SetPosition(position);
        throw;
    }
    SetPosition(position);
    return piece;
}

// ---- TiPlotMinMaxPoint ------------------------------------------------------------------------------------

void TiPlotMinMaxPoint::Clear()
{
    Empty = true;
    YMax = -1e301;
    YMin = 1e301;
}

void TiPlotMinMaxPoint::AssignDown(const TiPlotMinMaxPoint *Source)
{
    Empty = Source->Empty;
    XPixels = Source->XPixels;
    XValue = Source->XValue;
    YMax = Source->YMax;
    YMin = Source->YMin;
    YFirst = Source->YFirst;
    YLast = Source->YLast;
}

// ---- TiLimitDataList --------------------------------------------------------------------------------------

int TiLimitDataList::Add(double Value1, double Value2, double Value3)
{
    if (FCount == FCapacity)
        Grow();
    FList[static_cast<std::size_t>(FCount)] = {Value1, Value2, Value3};
    return FCount++;
}

void TiLimitDataList::Grow()
{
    const int delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
    SetCapacity(FCapacity + delta);
}

void TiLimitDataList::SetCapacity(int NewCapacity)
{
    if (NewCapacity > 0x7FFFFFF)
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (NewCapacity == FCapacity)
        return;
    // A negative capacity is taken as none.
    FList.resize(static_cast<std::size_t>(std::max(NewCapacity, 0)));
    FCapacity = std::max(NewCapacity, 0);
    if (FCount > FCapacity)
        FCount = FCapacity;
}

void TiLimitDataList::Clear()
{
    FCount = 0;
    FCapacity = 0;
    std::vector<Entry>().swap(FList);
}

const TiLimitDataList::Entry &TiLimitDataList::GetItem(int Index) const
{
    if (Index < 0 || Index >= FCount)
        throw Exception(QStringLiteral("Index out of Bounds"));
    return FList[static_cast<std::size_t>(Index)];
}
