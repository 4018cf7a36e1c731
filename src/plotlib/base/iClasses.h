#pragma once
// Small classes shared across the plot library: a memory stream of 8-bit text lines and a minimal
// one-element-per-line XML reader and writer over it (theme scheme files), the per-pixel-column
// minimum/maximum record of strip-chart drawing, the point list of limit bands, the state record of
// a digital trace being drawn, and the two scheme-list classes of the theme loader.
//
// Every reader of TiXMLMemoryStream reads through ReadChar, which raises "EOF" when the byte read
// is the stream's last one: a stream's last byte is never returned. GUI thread.

#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"

#include <QString>

#include <vector>

class TiMemoryStream : public TMemoryStream {
    T_DECLARE_CLASS(TiMemoryStream, TMemoryStream)
    // Value in the system code page, no length prefix nor terminator; 256 characters or more raise
    // "String Exceeds 255 Characters" and write nothing.
    void WriteString(const QString &Value);
    void WriteCRLF();
    void WriteStringCRLF(const QString &Value);
    // One byte widened; "EOF" when it was the last byte of the stream.
    QChar ReadChar();
};

class TiXMLMemoryStream : public TiMemoryStream {
    T_DECLARE_CLASS(TiXMLMemoryStream, TiMemoryStream)
    const QString &CurrentElementStart() const { return FCurrentElementStart; }

    void StartElement(const QString &Name);
    void EndElement(const QString &Name);
    void WriteElement(const QString &Name, const QString &Value);

    // The name of the next opening tag (closing tags on the way are passed over).
    QString GetNameElementStart();
    void GotoElementStart(const QString &Value);
    // The text up to the next "<", which stays to be read.
    QString GetElementValue();
    // The name of the closing tag that must come next.
    QString GetNameElementStop();
    // The value of the next element Name; the stream is left after its closing tag.
    QString GetElement(const QString &Name);
    // The next tag without its brackets ("/Name" for a closing one) or the text up to the next tag.
    QString GetNextPiece();
    QString PeekNextPiece();

private:
    // Reads a tag name up to its ">" (a blank ends the name, the rest of the tag is skipped).
    QString ReadTagName();

    QString FCurrentElementStart;
};

// The values a strip channel's points reach in one pixel column.
class TiPlotMinMaxPoint : public TPersistent {
    T_DECLARE_CLASS(TiPlotMinMaxPoint, TPersistent)
    TiPlotMinMaxPoint() { Clear(); }

    void Clear();
    // Inline: a dense trace adds every point it draws.
    void AddData(double NewXValue, double NewYValue, int NewXPixels)
    {
        if (Empty) {
            Empty = false;
            XPixels = NewXPixels;
            XValue = NewXValue;
            YFirst = NewYValue;
        }
        if (NewYValue > YMax)
            YMax = NewYValue;
        if (NewYValue < YMin)
            YMin = NewYValue;
        YLast = NewYValue;
    }
    void AssignDown(const TiPlotMinMaxPoint *Source);

    bool Empty = true;
    int XPixels = 0;
    double XValue = 0;
    double YMax = -1e301;
    double YMin = 1e301;
    double YFirst = 0;
    double YLast = 0;
};

// The (position, upper, lower) elements of a limit band.
class TiLimitDataList : public TObject {
    T_DECLARE_CLASS(TiLimitDataList, TObject)
    struct Entry {
        double Position;
        double Upper;
        double Lower;
    };

    int Add(double Value1, double Value2, double Value3);
    void Clear();
    // Above 134,217,727 raises "Exceed Maximum List Size"; a smaller capacity cuts the count.
    void SetCapacity(int NewCapacity);
    int Capacity() const { return FCapacity; }
    int Count() const { return FCount; }
    // "Index out of Bounds" outside 0 .. Count - 1.
    const Entry &GetItem(int Index) const;
    double GetPosition(int Index) const { return GetItem(Index).Position; }
    double GetUpper(int Index) const { return GetItem(Index).Upper; }
    double GetLower(int Index) const { return GetItem(Index).Lower; }

private:
    void Grow();

    std::vector<Entry> FList;
    int FCount = 0;
    int FCapacity = 0;
};

// Where the current level run of a digital trace being drawn started and stopped, and where a
// transition lies.
class TDigitalSequenceData : public TObject {
    T_DECLARE_CLASS(TDigitalSequenceData, TObject)
    void Clear()
    {
        StartSet = false;
        StopSet = false;
        TransitionSet = false;
    }

    bool StartSet = false;
    double StartXValue = 0;
    bool StartYValue = false;
    bool StopSet = false;
    double StopXValue = 0;
    bool TransitionSet = false;
    double TransitionXValue = 0;
};

// The user-defined and the library-defined theme scheme lists.
class TiUserSchemeList : public TStringList {
    T_DECLARE_CLASS(TiUserSchemeList, TStringList)
};
class TiQuorinSchemeList : public TStringList {
    T_DECLARE_CLASS(TiQuorinSchemeList, TStringList)
};
