#pragma once
// Component streaming for classes that store more than their published properties: TFiler with
// DefineProperty / DefineBinaryProperty (called from TPersistent::DefineProperties), and the value
// reader and writer those define procedures receive.
//
//   void TMyPlot::DefineProperties(TFiler *Filer)
//   {
//       inherited::DefineProperties(Filer);
//       Filer->DefineProperty("DataViewZHorz", [this](TReader &r) { SetZ(r.ReadInteger()); },
//                             [this](TWriter &w) { w.WriteInteger(Z()); }, true);
//       Filer->DefineBinaryProperty("ImageList0", [this](TStream &s) { ... }, [this](TStream &s) { ... },
//                                   Images->Count() > 0);
//   }
//
// Collections in the framework's format: the writer writes WriteValue(vaCollection), then per
// item WriteListBegin, WriteProperties(item), WriteListEnd, and a final WriteListEnd; the reader
// mirrors it: ReadValue() == vaCollection, then while !EndOfList(): ReadListBegin, while
// !EndOfList(): ReadProperty(item), ReadListEnd; and a final ReadListEnd. Lists of values use
// WriteListBegin/WriteListEnd and ReadListBegin/EndOfList/ReadListEnd the same way.

#include "platform/runtime/Classes.h"
#include "platform/runtime/FormData.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TReader;
class TWriter;
class TStream;
class TCollection;

using TReaderProc = std::function<void(TReader &)>;
using TWriterProc = std::function<void(TWriter &)>;
using TStreamProc = std::function<void(TStream &)>;

enum TValueType {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

class TFiler {
public:
    virtual ~TFiler() = default;
    virtual void DefineProperty(const QString &Name, const TReaderProc &ReadData, const TWriterProc &WriteData,
                                bool HasData) = 0;
    virtual void DefineBinaryProperty(const QString &Name, const TStreamProc &ReadData, const TStreamProc &WriteData,
                                      bool HasData) = 0;
    TComponent *Root() const { return root_; }
    void SetRoot(TComponent *root) { root_ = root; }
    // The framework's comparison with an inherited form; this program has none.
    TPersistent *Ancestor() const { return nullptr; }

private:
    TComponent *root_ = nullptr;
};

// Reads values of one property (or of the items of a collection) from the parsed definition.
// Every failure raises EReadError with the file and line of the value.
class TReader : public TFiler {
public:
    // Applies a property path with its value to an object (set by the form reader).
    using TApplyProc = std::function<void(TReader &, TPersistent &, const TFormProperty &)>;

    TReader(const TFormValue &value, const QString &fileName, TApplyProc apply);

    void DefineProperty(const QString &Name, const TReaderProc &ReadData, const TWriterProc &WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const QString &Name, const TStreamProc &ReadData, const TStreamProc &WriteData,
                              bool HasData) override;

    TValueType NextValue() const;
    // Takes the next value's type tag; entering it for lists and collections.
    TValueType ReadValue();
    bool EndOfList() const { return NextValue() == vaNull; }
    void ReadListBegin();
    void ReadListEnd();
    void SkipValue();

    std::int64_t ReadInt64();
    int ReadInteger();
    double ReadFloat();
    double ReadDouble() { return ReadFloat(); }
    QString ReadString();
    QString ReadIdent();
    bool ReadBoolean();
    QByteArray ReadBinary();
    // Inside a collection item: applies the next property assignment to `instance`.
    void ReadProperty(TPersistent *instance);
    // A collection value into `collection` (cleared first).
    void ReadCollection(TCollection *collection);

    int Line() const { return line_; }
    const QString &FileName() const { return file_; }
    [[noreturn]] void Error(const QString &message) const;

    // For the form reader: looks up `name` among the defined properties of `instance` and reads
    // `value` with it; false when `instance` defines no such property.
    bool ReadDefined(TPersistent &instance, const QString &name, const TFormValue &value);

private:
    struct Frame {
        enum class Type { Single, List, Collection, Item } type;
        const TFormValue *single = nullptr;
        const std::vector<TFormValue> *list = nullptr;
        const TFormValue *collection = nullptr;
        const std::vector<TFormProperty> *props = nullptr;
        std::size_t pos = 0;
    };
    const TFormValue *PeekScalar() const;
    const TFormValue &TakeScalar();
    Frame &Top() { return frames_.back(); }
    const Frame &Top() const { return frames_.back(); }

    std::vector<Frame> frames_;
    QString file_;
    TApplyProc apply_;
    int line_ = 0;
    // Defined-property lookup in progress.
    const QString *lookupName_ = nullptr;
    bool found_ = false;
};

// Collects the values of defined properties (and of collections) as form data.
class TWriter : public TFiler {
public:
    // Writes the stored published properties of an object into a property list (set by the form
    // writer); `prefix` is prepended to each path.
    using TPropertiesProc = std::function<void(TWriter &, TPersistent &, const QString &prefix, std::vector<TFormProperty> &)>;

    TWriter(std::vector<TFormProperty> &target, const QString &prefix, TPropertiesProc writeProperties);

    void DefineProperty(const QString &Name, const TReaderProc &ReadData, const TWriterProc &WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const QString &Name, const TStreamProc &ReadData, const TStreamProc &WriteData,
                              bool HasData) override;

    void WriteValue(TValueType type);  // vaCollection starts a collection; vaNil, vaTrue, vaFalse
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(std::int64_t value);
    void WriteFloat(double value);
    void WriteDouble(double value) { WriteFloat(value); }
    void WriteString(const QString &value);
    void WriteIdent(const QString &value);
    void WriteBoolean(bool value);
    void WriteBinary(const QByteArray &value);
    // Inside a collection item: the object's stored published and defined properties.
    void WriteProperties(TPersistent *instance);
    void WriteCollection(TCollection *collection);

private:
    void Emit(TFormValue value);

    struct Open {
        TFormValue value;            // List or Collection being built
        bool inItem = false;         // Collection: an item is open
    };
    std::vector<TFormProperty> &target_;
    QString prefix_;
    TPropertiesProc writeProperties_;
    QString currentName_;
    std::vector<Open> open_;
    bool emitted_ = false;
};
