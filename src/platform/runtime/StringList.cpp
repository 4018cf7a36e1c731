#include "platform/runtime/StringList.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"

#include "platform/os/CodePage.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TStrings) {}
T_IMPLEMENT_CLASS(TStringList) {}

// ---- TStrings -----------------------------------------------------------------------------------

void TStrings::Error(const QString &message, int index) const
{
    throw EStringListError(message.arg(index));
}

bool TStrings::CompareStrings(const QString &a, const QString &b) const
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void TStrings::Put(int index, const QString &s)
{
    TObject *object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject *TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject *) {}

void TStrings::InsertObject(int index, const QString &s, TObject *object)
{
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::Add(const QString &s)
{
    int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const QString &s, TObject *object)
{
    int index = Add(s);
    PutObject(index, object);
    return index;
}

int TStrings::IndexOf(const QString &s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s))
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject *object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    QString s1 = Get(index1), s2 = Get(index2);
    TObject *o1 = GetObject(index1), *o2 = GetObject(index2);
    Put(index1, s2);
    PutObject(index1, o2);
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    QString s = Get(curIndex);
    TObject *o = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings *strings)
{
    BeginUpdate();
    for (int i = 0; i < strings->Count(); ++i)
        AddObject(strings->Get(i), strings->GetObject(i));
    EndUpdate();
}

void TStrings::AddStrings(const QStringList &strings)
{
    BeginUpdate();
    for (const QString &s : strings)
        Add(s);
    EndUpdate();
}

QString TStrings::Names(int index) const
{
    QString s = Get(index);
    int p = static_cast<int>(s.indexOf(FNameValueSeparator));
    return p < 0 ? QString() : s.left(p);
}

QString TStrings::ValueFromIndex(int index) const
{
    QString s = Get(index);
    int p = static_cast<int>(s.indexOf(FNameValueSeparator));
    return p < 0 ? QString() : s.mid(p + 1);
}

int TStrings::IndexOfName(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        QString s = Get(i);
        int p = static_cast<int>(s.indexOf(FNameValueSeparator));
        if (p >= 0 && CompareStrings(s.left(p), name))
            return i;
    }
    return -1;
}

QString TStrings::Values(const QString &name) const
{
    int i = IndexOfName(name);
    return i < 0 ? QString() : ValueFromIndex(i);
}

void TStrings::SetValue(const QString &name, const QString &value)
{
    int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    QString line = name + FNameValueSeparator + value;
    if (i < 0)
        Add(line);
    else
        Put(i, line);
}

QString TStrings::Text() const
{
    QString out;
    for (int i = 0; i < Count(); ++i)
        out += Get(i) + QStringLiteral("\r\n");
    return out;
}

void TStrings::SetText(const QString &text)
{
    BeginUpdate();
    Clear();
    int start = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            Add(text.mid(start, i - start));
            if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        Add(text.mid(start));
    EndUpdate();
}

QString TStrings::CommaText() const
{
    QStringList parts;
    for (int i = 0; i < Count(); ++i) {
        QString s = Get(i);
        bool quote = s.isEmpty() && Count() > 1;
        for (QChar c : s)
            if (c <= u' ' || c == u',' || c == u'"')
                quote = true;
        if (quote) {
            s.replace(u'"', QStringLiteral("\"\""));
            s = u'"' + s + u'"';
        }
        parts << s;
    }
    return parts.join(u',');
}

void TStrings::SetCommaText(const QString &text)
{
    BeginUpdate();
    Clear();
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto skipBlanks = [&] {
        while (i < n && text[i] <= u' ')
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && text[i] > u' ' && text[i] != u',')
                item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && text[i] == u',') {
            ++i;
            skipBlanks();
            if (i >= n)
                Add(QString());
        }
    }
    EndUpdate();
}

QStringList TStrings::ToStringList() const
{
    QStringList out;
    for (int i = 0; i < Count(); ++i)
        out << Get(i);
    return out;
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::LoadFromStream(TStream *stream)
{
    QByteArray bytes = stream->ReadBytes(stream->Size() - stream->Position());
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    } else {
        std::u16string u = os::AnsiToUnicode(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        text = QString::fromStdU16String(u);
    }
    SetText(text);
}

void TStrings::LoadFromFile(const QString &fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TStrings::SaveToStream(TStream *stream, TTextEncoding encoding) const
{
    QString text = Text();
    QByteArray bytes;
    if (encoding == TTextEncoding::Utf8) {
        bytes = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    } else {
        std::string a = os::UnicodeToAnsi(text.toStdU16String());
        bytes = QByteArray(a.data(), static_cast<qsizetype>(a.size()));
    }
    stream->WriteBuffer(bytes.constData(), bytes.size());
}

void TStrings::SaveToFile(const QString &fileName, TTextEncoding encoding) const
{
    TMemoryStream bytes;
    SaveToStream(&bytes, encoding);
    SaveBytesToFile(fileName, bytes.Memory(), bytes.Size());
}

void TStrings::Assign(TPersistent *Source)
{
    if (auto *other = dynamic_cast<TStrings *>(Source)) {
        BeginUpdate();
        try {
            Clear();
            FNameValueSeparator = other->FNameValueSeparator;
            AddStrings(other);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings *other) const
{
    if (Count() != other->Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other->Get(i))
            return false;
    return true;
}

void TStrings::DefineProperties(TFiler *Filer)
{
    Filer->DefineProperty(
        QStringLiteral("Strings"),
        [this](TReader &r) {
            BeginUpdate();
            try {
                Clear();
                r.ReadListBegin();
                while (!r.EndOfList())
                    Add(r.ReadString());
                r.ReadListEnd();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
        },
        [this](TWriter &w) {
            w.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                w.WriteString(Get(i));
            w.WriteListEnd();
        },
        Count() > 0);
}

// ---- TStringList ---------------------------------------------------------------------------------

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (Item &item : FList)
            delete item.object;
}

void TStringList::CheckIndex(int index, bool allowEnd) const
{
    if (index < 0 || index > Count() || (index == Count() && !allowEnd))
        Error(QStringLiteral("List index out of bounds (%1)"), index);
}

int TStringList::Compare(const QString &a, const QString &b) const
{
    return a.compare(b, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool TStringList::CompareStrings(const QString &a, const QString &b) const
{
    return Compare(a, b) == 0;
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

QString TStringList::Get(int index) const
{
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].text;
}

void TStringList::Put(int index, const QString &s)
{
    if (FSorted)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].text = s;
    Changed();
}

TObject *TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject *object)
{
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].object = object;
    Changed();
}

void TStringList::InsertItem(int index, const QString &s, TObject *object)
{
    Changing();
    FList.insert(FList.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Insert(int index, const QString &s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const QString &s, TObject *object)
{
    if (FSorted)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index, true);
    InsertItem(index, s, object);
}

int TStringList::Add(const QString &s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const QString &s, TObject *object)
{
    int index = Count();
    if (FSorted && Find(s, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    TObject *object = FList[static_cast<std::size_t>(index)].object;
    FList.erase(FList.begin() + index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<Item> old;
    old.swap(FList);
    if (FOwnsObjects)
        for (Item &item : old)
            delete item.object;
    Changed();
}

int TStringList::IndexOf(const QString &s) const
{
    if (!FSorted)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
    Changed();
}

bool TStringList::Find(const QString &s, int &index) const
{
    bool found = false;
    int lo = 0, hi = Count() - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = Compare(FList[static_cast<std::size_t>(mid)].text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept)
                    lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

void TStringList::Sort()
{
    CustomSort([](TStringList *list, int a, int b) {
        return list->Compare(list->FList[static_cast<std::size_t>(a)].text, list->FList[static_cast<std::size_t>(b)].text);
    });
}

void TStringList::CustomSort(const std::function<int(TStringList *, int, int)> &compare)
{
    if (Count() < 2)
        return;
    Changing();
    // Sort a permutation with the caller's index-based comparison, then apply it.
    std::vector<int> order(FList.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(FList[static_cast<std::size_t>(i)]);
    FList.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (FCaseSensitive == value)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}
