#include "platform/settings/Registry.h"

#include "platform/os/AtomicFile.h"
#include "platform/settings/SpecialFolders.h"
#include "platform/runtime/StringList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

namespace {

struct Value {
    QString name;
    TRegDataType type = rdString;
    QString text;
    std::int32_t number = 0;
    QByteArray data;
};

struct Key {
    QString path;  // "HKEY_CURRENT_USER\Software\Temp"
    std::vector<Value> values;
};

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Quote(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

// The quoted text at `pos` (which holds the opening quote); `pos` ends after the closing quote.
bool Unquote(const QString &line, qsizetype &pos, QString &out)
{
    if (pos >= line.size() || line[pos] != u'"')
        return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == u'\\' && pos + 1 < line.size())
            out += line[++pos];
        else if (line[pos] == u'"')
            return ++pos, true;
        else
            out += line[pos];
    }
    return false;
}

// The whole store, as read from its file at the start of one call.
class Store {
public:
    static Store Load()
    {
        Store s;
        QFile file(TRegistry::StoreFileName());
        if (!file.open(QIODevice::ReadOnly))
            return s;
        Key *key = nullptr;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                key = &s.Ensure(line.mid(1, line.size() - 2));
            }
            else if (key && (line.startsWith(u'"') || line.startsWith(QStringLiteral("@=")))) {
                Value v;
                qsizetype pos = 0;
                if (line[0] == u'@')
                    pos = 1;
                else if (!Unquote(line, pos, v.name))
                    continue;
                if (pos >= line.size() || line[pos] != u'=')
                    continue;
                const QString rest = line.mid(pos + 1);
                qsizetype at = 0;
                if (rest.startsWith(QStringLiteral("dword:"))) {
                    v.type = rdInteger;
                    v.number = static_cast<std::int32_t>(rest.mid(6).toUInt(nullptr, 16));
                }
                else if (rest.startsWith(QStringLiteral("hex:"))) {
                    v.type = rdBinary;
                    v.data = QByteArray::fromHex(rest.mid(4).remove(u',').toLatin1());
                }
                else if (rest.startsWith(QStringLiteral("expand:"))) {
                    v.type = rdExpandString;
                    at = 7;
                    Unquote(rest, at, v.text);
                }
                else if (!Unquote(rest, at, v.text)) {
                    continue;
                }
                key->values.push_back(std::move(v));
            }
        }
        return s;
    }

    void Save() const
    {
        QString text = QStringLiteral("; Settings of the editor and its controls\n");
        for (const Key &k : keys_) {
            text += QStringLiteral("\n[") + k.path + QStringLiteral("]\n");
            for (const Value &v : k.values) {
                text += v.name.isEmpty() ? QStringLiteral("@") : Quote(v.name);
                text += u'=';
                switch (v.type) {
                case rdInteger:
                    text += QStringLiteral("dword:%1").arg(static_cast<std::uint32_t>(v.number), 8, 16, QChar(u'0'));
                    break;
                case rdBinary: {
                    QStringList pairs;
                    for (const char b : v.data)
                        pairs << QStringLiteral("%1").arg(static_cast<unsigned char>(b), 2, 16, QChar(u'0'));
                    text += QStringLiteral("hex:") + pairs.join(u',');
                    break;
                }
                case rdExpandString: text += QStringLiteral("expand:") + Quote(v.text); break;
                default: text += Quote(v.text); break;
                }
                text += u'\n';
            }
        }
        const QString fileName = TRegistry::StoreFileName();
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        const QByteArray bytes = text.toUtf8();
        std::string error;
        if (!os::WriteFileAtomic(fileName.toStdString(), bytes.constData(), static_cast<std::size_t>(bytes.size()),
                                 &error))
            throw ERegistryException(
                QStringLiteral("Cannot write the settings store: %1").arg(QString::fromStdString(error)));
    }

    Key *Find(const QString &path)
    {
        for (Key &k : keys_)
            if (SameName(k.path, path))
                return &k;
        return nullptr;
    }

    // The key, created with every missing parent.
    Key &Ensure(const QString &path)
    {
        if (Key *k = Find(path))
            return *k;
        const qsizetype slash = path.lastIndexOf(u'\\');
        if (slash > 0)
            Ensure(path.left(slash));
        keys_.push_back({path, {}});
        return keys_.back();
    }

    bool Remove(const QString &path)
    {
        const QString prefix = path + u'\\';
        const std::size_t before = keys_.size();
        std::erase_if(keys_, [&](const Key &k) {
            return SameName(k.path, path) || k.path.startsWith(prefix, Qt::CaseInsensitive);
        });
        return keys_.size() != before;
    }

    QStringList Children(const QString &path) const
    {
        QStringList names;
        const QString prefix = path + u'\\';
        for (const Key &k : keys_)
            if (k.path.startsWith(prefix, Qt::CaseInsensitive) && !k.path.mid(prefix.size()).contains(u'\\'))
                names << k.path.mid(prefix.size());
        return names;
    }

private:
    std::vector<Key> keys_;
};

Value *FindValue(Key *key, const QString &name)
{
    if (key)
        for (Value &v : key->values)
            if (SameName(v.name, name))
                return &v;
    return nullptr;
}

QString GetError(const QString &name)
{
    return QStringLiteral("Failed to get data for '%1'").arg(name);
}
QString SetError(const QString &name)
{
    return QStringLiteral("Failed to set data for '%1'").arg(name);
}
QString TypeError(const QString &name)
{
    return QStringLiteral("Invalid data type for '%1'").arg(name);
}

}  // namespace

QString TRegistry::StoreFileName()
{
    return SpecialFolderPath(CSIDL_APPDATA) + QStringLiteral("trov316/registry.reg");
}

QString TRegistry::RootKeyName(HKEY root)
{
    static const char *const names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",     "HKEY_LOCAL_MACHINE",
                                        "HKEY_USERS",        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                        "HKEY_DYN_DATA"};
    if (root < HKEY_CLASSES_ROOT || root > HKEY_DYN_DATA)
        return {};
    return QString::fromLatin1(names[root - HKEY_CLASSES_ROOT]);
}

void TRegistry::SetRootKey(HKEY value)
{
    CloseKey();
    root_ = value;
}

QString TRegistry::Resolve(const QString &key) const
{
    QStringList parts;
    if (!key.startsWith(u'\\') && open_)
        parts = current_.split(u'\\', Qt::SkipEmptyParts);
    parts += key.split(u'\\', Qt::SkipEmptyParts);
    return parts.join(u'\\');
}

// Full store path of a path below the root.
static QString FullPath(HKEY root, const QString &relative)
{
    const QString rootName = TRegistry::RootKeyName(root);
    return relative.isEmpty() ? rootName : rootName + u'\\' + relative;
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    const QString relative = Resolve(key);
    Store store = Store::Load();
    if (!relative.isEmpty() && !store.Find(FullPath(root_, relative))) {
        if (!canCreate || !(access_ & KEY_CREATE_SUB_KEY) || RootKeyName(root_).isEmpty())
            return false;
        store.Ensure(FullPath(root_, relative));
        store.Save();
    }
    current_ = relative;
    open_ = true;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    const QString relative = Resolve(key);
    if (!relative.isEmpty() && !Store::Load().Find(FullPath(root_, relative)))
        return false;
    access_ = KEY_READ;
    current_ = relative;
    open_ = true;
    return true;
}

void TRegistry::CloseKey()
{
    current_.clear();
    open_ = false;
}

bool TRegistry::KeyExists(const QString &key)
{
    const QString relative = Resolve(key);
    return relative.isEmpty() || Store::Load().Find(FullPath(root_, relative)) != nullptr;
}

bool TRegistry::CreateKey(const QString &key)
{
    if (!(access_ & KEY_CREATE_SUB_KEY) || RootKeyName(root_).isEmpty())
        return false;
    Store store = Store::Load();
    store.Ensure(FullPath(root_, Resolve(key)));
    store.Save();
    return true;
}

bool TRegistry::DeleteKey(const QString &key)
{
    const QString relative = Resolve(key);
    if (relative.isEmpty() || !(access_ & KEY_SET_VALUE))
        return false;
    Store store = Store::Load();
    if (!store.Remove(FullPath(root_, relative)))
        return false;
    store.Save();
    return true;
}

QStringList TRegistry::KeyNames()
{
    if (!(access_ & KEY_ENUMERATE_SUB_KEYS))
        return {};
    return Store::Load().Children(FullPath(root_, current_));
}

QStringList TRegistry::ValueNames()
{
    if (!(access_ & KEY_QUERY_VALUE))
        return {};
    Store store = Store::Load();
    QStringList names;
    if (const Key *k = store.Find(FullPath(root_, current_)))
        for (const Value &v : k->values)
            names << v.name;
    return names;
}

bool TRegistry::HasSubKeys()
{
    return !KeyNames().isEmpty();
}

void TRegistry::GetKeyNames(TStrings *strings)
{
    strings->Clear();
    strings->AddStrings(KeyNames());
}

void TRegistry::GetValueNames(TStrings *strings)
{
    strings->Clear();
    strings->AddStrings(ValueNames());
}

void TRegistry::RequireOpen(DWORD right, const QString &name, bool writing) const
{
    if ((access_ & right) != right || RootKeyName(root_).isEmpty())
        throw ERegistryException(writing ? SetError(name) : GetError(name));
}

bool TRegistry::ValueExists(const QString &name)
{
    Store store = Store::Load();
    return FindValue(store.Find(FullPath(root_, current_)), name) != nullptr;
}

bool TRegistry::DeleteValue(const QString &name)
{
    if (!(access_ & KEY_SET_VALUE))
        return false;
    Store store = Store::Load();
    Key *k = store.Find(FullPath(root_, current_));
    if (!k || !FindValue(k, name))
        return false;
    std::erase_if(k->values, [&](const Value &v) { return SameName(v.name, name); });
    store.Save();
    return true;
}

TRegDataType TRegistry::GetDataType(const QString &name)
{
    Store store = Store::Load();
    const Value *v = FindValue(store.Find(FullPath(root_, current_)), name);
    return v ? v->type : rdUnknown;
}

int TRegistry::GetDataSize(const QString &name)
{
    Store store = Store::Load();
    const Value *v = FindValue(store.Find(FullPath(root_, current_)), name);
    if (!v)
        return -1;
    switch (v->type) {
    case rdInteger: return 4;
    case rdBinary: return static_cast<int>(v->data.size());
    default: return static_cast<int>((v->text.size() + 1) * 2);
    }
}

QString TRegistry::ReadString(const QString &name)
{
    RequireOpen(KEY_QUERY_VALUE, name, false);
    Store store = Store::Load();
    const Value *v = FindValue(store.Find(FullPath(root_, current_)), name);
    if (!v)
        return {};
    if (v->type != rdString && v->type != rdExpandString)
        throw ERegistryException(TypeError(name));
    return v->text;
}

int TRegistry::ReadInteger(const QString &name)
{
    RequireOpen(KEY_QUERY_VALUE, name, false);
    Store store = Store::Load();
    const Value *v = FindValue(store.Find(FullPath(root_, current_)), name);
    if (!v)
        throw ERegistryException(GetError(name));
    if (v->type != rdInteger)
        throw ERegistryException(TypeError(name));
    return v->number;
}

QByteArray TRegistry::ReadBinary(const QString &name)
{
    RequireOpen(KEY_QUERY_VALUE, name, false);
    Store store = Store::Load();
    const Value *v = FindValue(store.Find(FullPath(root_, current_)), name);
    if (!v)
        throw ERegistryException(GetError(name));
    if (v->type != rdBinary)
        throw ERegistryException(TypeError(name));
    return v->data;
}

int TRegistry::ReadBinaryData(const QString &name, void *buffer, int size)
{
    const QByteArray data = ReadBinary(name);
    if (buffer && size > 0)
        std::memcpy(buffer, data.constData(), static_cast<std::size_t>(std::min<qsizetype>(size, data.size())));
    return static_cast<int>(data.size());
}

namespace {

// Stores `value` under `name` of the open key (or the root key), replacing any value of that name.
void Put(HKEY root, const QString &current, Value value)
{
    Store store = Store::Load();
    Key &k = store.Ensure(FullPath(root, current));
    if (Value *old = FindValue(&k, value.name))
        *old = std::move(value);
    else
        k.values.push_back(std::move(value));
    store.Save();
}

}  // namespace

void TRegistry::WriteString(const QString &name, const QString &value)
{
    RequireOpen(KEY_SET_VALUE, name, true);
    Put(root_, current_, {name, rdString, value, 0, {}});
}

void TRegistry::WriteExpandString(const QString &name, const QString &value)
{
    RequireOpen(KEY_SET_VALUE, name, true);
    Put(root_, current_, {name, rdExpandString, value, 0, {}});
}

void TRegistry::WriteInteger(const QString &name, int value)
{
    RequireOpen(KEY_SET_VALUE, name, true);
    Put(root_, current_, {name, rdInteger, {}, value, {}});
}

void TRegistry::WriteBinary(const QString &name, const QByteArray &data)
{
    RequireOpen(KEY_SET_VALUE, name, true);
    Put(root_, current_, {name, rdBinary, {}, 0, data});
}

void TRegistry::WriteBinaryData(const QString &name, const void *buffer, int size)
{
    WriteBinary(name, QByteArray(static_cast<const char *>(buffer), std::max(0, size)));
}
