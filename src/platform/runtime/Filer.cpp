#include "platform/runtime/Filer.h"

#include "platform/runtime/Collection.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/SysUtils.h"

#include <limits>

namespace {

TValueType TypeOf(const TFormValue &v)
{
    switch (v.kind) {
    case TFormValue::Kind::Integer:
        if (v.Int >= std::numeric_limits<std::int8_t>::min() && v.Int <= std::numeric_limits<std::int8_t>::max())
            return vaInt8;
        if (v.Int >= std::numeric_limits<std::int16_t>::min() && v.Int <= std::numeric_limits<std::int16_t>::max())
            return vaInt16;
        if (v.Int >= std::numeric_limits<std::int32_t>::min() && v.Int <= std::numeric_limits<std::int32_t>::max())
            return vaInt32;
        return vaInt64;
    case TFormValue::Kind::Float: return vaExtended;
    case TFormValue::Kind::String: return vaWString;
    case TFormValue::Kind::Ident:
        if (SameText(v.Text, QStringLiteral("True")))
            return vaTrue;
        if (SameText(v.Text, QStringLiteral("False")))
            return vaFalse;
        if (SameText(v.Text, QStringLiteral("nil")))
            return vaNil;
        return vaIdent;
    case TFormValue::Kind::Set: return vaSet;
    case TFormValue::Kind::Binary: return vaBinary;
    case TFormValue::Kind::List: return vaList;
    case TFormValue::Kind::Collection: return vaCollection;
    }
    return vaNull;
}

}  // namespace

// ---- TReader ------------------------------------------------------------------------------------

TReader::TReader(const TFormValue &value, const QString &fileName, TApplyProc apply)
    : file_(fileName), apply_(std::move(apply)), line_(value.Line)
{
    Frame f{Frame::Type::Single};
    f.single = &value;
    frames_.push_back(f);
}

void TReader::Error(const QString &message) const
{
    throw EReadError(QStringLiteral("%1(%2): %3").arg(file_).arg(line_).arg(message));
}

const TFormValue *TReader::PeekScalar() const
{
    const Frame &f = Top();
    switch (f.type) {
    case Frame::Type::Single: return f.pos == 0 ? f.single : nullptr;
    case Frame::Type::List: return f.pos < f.list->size() ? &(*f.list)[f.pos] : nullptr;
    default: return nullptr;
    }
}

const TFormValue &TReader::TakeScalar()
{
    const TFormValue *v = PeekScalar();
    if (!v)
        Error(Top().type == Frame::Type::Item || Top().type == Frame::Type::Collection
                  ? QStringLiteral("value expected, found a collection item")
                  : QStringLiteral("value expected, found the end of the list"));
    ++Top().pos;
    line_ = v->Line;
    return *v;
}

TValueType TReader::NextValue() const
{
    const Frame &f = Top();
    switch (f.type) {
    case Frame::Type::Collection:
        return f.pos < f.collection->Collection.size() ? vaList : vaNull;
    case Frame::Type::Item:
        return f.pos < f.props->size() ? vaIdent : vaNull;
    default: {
        const TFormValue *v = PeekScalar();
        return v ? TypeOf(*v) : vaNull;
    }
    }
}

TValueType TReader::ReadValue()
{
    TValueType t = NextValue();
    if (t == vaNull)
        return t;
    if (Top().type == Frame::Type::Collection || t == vaList) {
        ReadListBegin();
        return vaList;
    }
    const TFormValue &v = TakeScalar();
    if (t == vaCollection) {
        Frame f{Frame::Type::Collection};
        f.collection = &v;
        frames_.push_back(f);
    }
    return t;
}

void TReader::ReadListBegin()
{
    Frame &top = Top();
    if (top.type == Frame::Type::Collection) {
        if (top.pos >= top.collection->Collection.size())
            Error(QStringLiteral("collection item expected"));
        Frame f{Frame::Type::Item};
        f.props = &top.collection->Collection[top.pos];
        if (top.pos < top.collection->ItemLines.size())
            line_ = top.collection->ItemLines[top.pos];
        ++top.pos;
        frames_.push_back(f);
        return;
    }
    const TFormValue *v = PeekScalar();
    if (!v || v->kind != TFormValue::Kind::List)
        Error(QStringLiteral("list expected"));
    TakeScalar();
    Frame f{Frame::Type::List};
    f.list = &v->Items;
    frames_.push_back(f);
}

void TReader::ReadListEnd()
{
    if (frames_.size() <= 1)
        Error(QStringLiteral("no list is open"));
    if (NextValue() != vaNull)
        Error(QStringLiteral("end of list expected"));
    frames_.pop_back();
}

void TReader::SkipValue()
{
    if (Top().type == Frame::Type::Collection || Top().type == Frame::Type::Item)
        ++Top().pos;
    else
        TakeScalar();
}

std::int64_t TReader::ReadInt64()
{
    const TFormValue &v = TakeScalar();
    if (v.kind != TFormValue::Kind::Integer)
        Error(QStringLiteral("integer expected"));
    return v.Int;
}

int TReader::ReadInteger()
{
    std::int64_t v = ReadInt64();
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max())
        Error(QStringLiteral("integer out of range"));
    return static_cast<int>(static_cast<std::uint32_t>(v));
}

double TReader::ReadFloat()
{
    const TFormValue &v = TakeScalar();
    if (v.kind == TFormValue::Kind::Float)
        return v.Float;
    if (v.kind == TFormValue::Kind::Integer)
        return static_cast<double>(v.Int);
    Error(QStringLiteral("number expected"));
}

QString TReader::ReadString()
{
    const TFormValue &v = TakeScalar();
    if (v.kind != TFormValue::Kind::String)
        Error(QStringLiteral("string expected"));
    return v.Text;
}

QString TReader::ReadIdent()
{
    const TFormValue &v = TakeScalar();
    if (v.kind != TFormValue::Kind::Ident)
        Error(QStringLiteral("identifier expected"));
    return v.Text;
}

bool TReader::ReadBoolean()
{
    const TFormValue &v = TakeScalar();
    if (v.kind == TFormValue::Kind::Ident && SameText(v.Text, QStringLiteral("True")))
        return true;
    if (v.kind == TFormValue::Kind::Ident && SameText(v.Text, QStringLiteral("False")))
        return false;
    Error(QStringLiteral("True or False expected"));
}

QByteArray TReader::ReadBinary()
{
    const TFormValue &v = TakeScalar();
    if (v.kind != TFormValue::Kind::Binary)
        Error(QStringLiteral("binary data expected"));
    return v.Bytes;
}

void TReader::ReadProperty(TPersistent *instance)
{
    Frame &top = Top();
    if (top.type != Frame::Type::Item || top.pos >= top.props->size())
        Error(QStringLiteral("property expected"));
    const TFormProperty &p = (*top.props)[top.pos++];
    line_ = p.Line;
    apply_(*this, *instance, p);
}

void TReader::ReadCollection(TCollection *collection)
{
    if (ReadValue() != vaCollection)
        Error(QStringLiteral("collection expected"));
    collection->BeginUpdate();
    try {
        collection->Clear();
        while (!EndOfList()) {
            ReadListBegin();
            TCollectionItem *item = collection->Add();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

bool TReader::ReadDefined(TPersistent &instance, const QString &name, const TFormValue &value)
{
    std::vector<Frame> saved = frames_;
    const QString *savedName = lookupName_;
    bool savedFound = found_;
    Frame f{Frame::Type::Single};
    f.single = &value;
    frames_.assign(1, f);
    lookupName_ = &name;
    found_ = false;
    line_ = value.Line;
    auto restore = [&] {
        frames_ = std::move(saved);
        lookupName_ = savedName;
    };
    bool found = false;
    try {
        instance.DefineProperties(this);
        found = found_;
        if (found && (frames_.size() != 1 || NextValue() != vaNull))
            Error(QStringLiteral("more data than the property %1 reads").arg(name));
    } catch (...) {
        restore();
        found_ = savedFound;
        throw;
    }
    restore();
    found_ = savedFound;
    return found;
}

void TReader::DefineProperty(const QString &Name, const TReaderProc &ReadData, const TWriterProc &, bool)
{
    if (!lookupName_ || found_ || Name.compare(*lookupName_, Qt::CaseInsensitive) != 0)
        return;
    found_ = true;
    if (!ReadData)
        Error(QStringLiteral("property %1 cannot be read").arg(Name));
    ReadData(*this);
}

void TReader::DefineBinaryProperty(const QString &Name, const TStreamProc &ReadData, const TStreamProc &, bool)
{
    if (!lookupName_ || found_ || Name.compare(*lookupName_, Qt::CaseInsensitive) != 0)
        return;
    found_ = true;
    if (!ReadData)
        Error(QStringLiteral("property %1 cannot be read").arg(Name));
    TMemoryStream stream(ReadBinary());
    ReadData(stream);
}

// ---- TWriter ------------------------------------------------------------------------------------

TWriter::TWriter(std::vector<TFormProperty> &target, const QString &prefix, TPropertiesProc writeProperties)
    : target_(target), prefix_(prefix), writeProperties_(std::move(writeProperties))
{
}

void TWriter::Emit(TFormValue value)
{
    if (open_.empty()) {
        target_.push_back(TFormProperty{prefix_ + currentName_, std::move(value), 0});
        emitted_ = true;
        return;
    }
    Open &top = open_.back();
    if (top.value.kind != TFormValue::Kind::List)
        throw EWriteError(QStringLiteral("a value cannot be written into a collection item"));
    top.value.Items.push_back(std::move(value));
}

void TWriter::DefineProperty(const QString &Name, const TReaderProc &, const TWriterProc &WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    currentName_ = Name;
    open_.clear();
    WriteData(*this);
    if (!open_.empty())
        throw EWriteError(QStringLiteral("property %1 left a list open").arg(Name));
}

void TWriter::DefineBinaryProperty(const QString &Name, const TStreamProc &, const TStreamProc &WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    currentName_ = Name;
    open_.clear();
    TMemoryStream stream;
    WriteData(stream);
    Emit(TFormValue::MakeBinary(stream.Bytes()));
}

void TWriter::WriteValue(TValueType type)
{
    switch (type) {
    case vaCollection: {
        Open o;
        o.value.kind = TFormValue::Kind::Collection;
        open_.push_back(std::move(o));
        break;
    }
    case vaList: WriteListBegin(); break;
    case vaNil: Emit(TFormValue::MakeIdent(QStringLiteral("nil"))); break;
    case vaTrue: WriteBoolean(true); break;
    case vaFalse: WriteBoolean(false); break;
    default: throw EWriteError(QStringLiteral("value type cannot be written alone"));
    }
}

void TWriter::WriteListBegin()
{
    if (!open_.empty() && open_.back().value.kind == TFormValue::Kind::Collection) {
        Open &top = open_.back();
        if (top.inItem)
            throw EWriteError(QStringLiteral("collection item already open"));
        top.inItem = true;
        top.value.Collection.emplace_back();
        return;
    }
    Open o;
    o.value.kind = TFormValue::Kind::List;
    open_.push_back(std::move(o));
}

void TWriter::WriteListEnd()
{
    if (open_.empty())
        throw EWriteError(QStringLiteral("no list is open"));
    Open &top = open_.back();
    if (top.value.kind == TFormValue::Kind::Collection && top.inItem) {
        top.inItem = false;
        return;
    }
    TFormValue done = std::move(top.value);
    open_.pop_back();
    Emit(std::move(done));
}

void TWriter::WriteInteger(std::int64_t value)
{
    Emit(TFormValue::MakeInt(value));
}

void TWriter::WriteFloat(double value)
{
    Emit(TFormValue::MakeFloat(value));
}

void TWriter::WriteString(const QString &value)
{
    Emit(TFormValue::MakeString(value));
}

void TWriter::WriteIdent(const QString &value)
{
    Emit(TFormValue::MakeIdent(value));
}

void TWriter::WriteBoolean(bool value)
{
    Emit(TFormValue::MakeIdent(value ? QStringLiteral("True") : QStringLiteral("False")));
}

void TWriter::WriteBinary(const QByteArray &value)
{
    Emit(TFormValue::MakeBinary(value));
}

void TWriter::WriteProperties(TPersistent *instance)
{
    if (open_.empty() || open_.back().value.kind != TFormValue::Kind::Collection || !open_.back().inItem)
        throw EWriteError(QStringLiteral("properties are written only inside a collection item"));
    writeProperties_(*this, *instance, QString(), open_.back().value.Collection.back());
}

void TWriter::WriteCollection(TCollection *collection)
{
    WriteValue(vaCollection);
    for (int i = 0; i < collection->Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection->Items(i));
        WriteListEnd();
    }
    WriteListEnd();
}
