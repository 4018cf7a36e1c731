#pragma once
// TRegistry: the stand-in for the system registry. Keys form a tree below seven root keys; a key
// holds named values of four types (string, expandable string, 32-bit integer, binary) and at
// most one unnamed default value (name ""). Key and value names compare without regard to case.
//
// Storage: one per-user file, SpecialFolderPath(CSIDL_APPDATA) + "trov316/registry.reg" (the XDG
// config folder), shared by every root key. Every call reads the file afresh and every change
// writes it back whole, atomically, so several objects (and programs) see each other's changes.
// The file is text in the usual registry export form, UTF-8:
//
//   [HKEY_CURRENT_USER\Software\Temp\Editor]
//   "Name"="text with \\ and \" escaped"
//   "Path"=expand:"%HOME%/x"
//   "Count"=dword:0000002a
//   "Data"=hex:01,ab
//   @="the default value"
//
// Access: the mask given at creation (KEY_* flags) limits what the object may do: reading values
// needs KEY_QUERY_VALUE, writing or deleting them KEY_SET_VALUE, creating a key KEY_CREATE_SUB_KEY,
// listing subkeys KEY_ENUMERATE_SUB_KEYS. A refused key operation answers false, a refused value
// operation raises ERegistryException like a failed one.
//
// Paths: a key path with a leading '\' starts at the root key, one without starts at the open
// key. Empty path parts are ignored.

#include "platform/runtime/Exception.h"
#include "platform/runtime/Messages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

class TStrings;

T_DECLARE_EXCEPTION(ERegistryException, Exception);

using HKEY = std::uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;
constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;
constexpr HKEY HKEY_DYN_DATA = 0x80000006;

constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr DWORD KEY_NOTIFY = 0x0010;
constexpr DWORD KEY_CREATE_LINK = 0x0020;
constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_EXECUTE = 0x20019;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    explicit TRegistry(DWORD access = KEY_ALL_ACCESS) : access_(access) {}

    HKEY RootKey() const { return root_; }
    // Closes the open key.
    void SetRootKey(HKEY value);
    DWORD Access() const { return access_; }
    void SetAccess(DWORD value) { access_ = value; }
    // Path of the open key below the root, without a leading '\'; empty when none is open.
    const QString &CurrentPath() const { return current_; }
    bool HasOpenKey() const { return open_; }

    // Opens the key, creating it and its parents when `canCreate`; false when it does not exist
    // (or may not be created).
    bool OpenKey(const QString &key, bool canCreate);
    // Opens an existing key for reading only (the access mask becomes KEY_READ).
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    bool KeyExists(const QString &key);
    bool CreateKey(const QString &key);
    // Deletes the key with all its subkeys and values; false when it does not exist.
    bool DeleteKey(const QString &key);
    bool HasSubKeys();
    // Names of the open key's subkeys and values, in stored order; each clears the list first.
    void GetKeyNames(TStrings *strings);
    void GetValueNames(TStrings *strings);
    QStringList KeyNames();
    QStringList ValueNames();

    bool ValueExists(const QString &name);
    bool DeleteValue(const QString &name);
    // rdUnknown for a missing value.
    TRegDataType GetDataType(const QString &name);
    // Bytes the value takes (strings with their terminating zero, as UTF-16); -1 when missing.
    int GetDataSize(const QString &name);

    // Missing value: empty text. Value of another type: "Invalid data type for 'name'".
    QString ReadString(const QString &name);
    void WriteString(const QString &name, const QString &value);
    void WriteExpandString(const QString &name, const QString &value);
    // Missing value: "Failed to get data for 'name'"; another type: "Invalid data type".
    int ReadInteger(const QString &name);
    void WriteInteger(const QString &name, int value);
    bool ReadBool(const QString &name) { return ReadInteger(name) != 0; }
    void WriteBool(const QString &name, bool value) { WriteInteger(name, value ? 1 : 0); }
    // Binary data (any type's raw bytes are not offered: only rdBinary values).
    QByteArray ReadBinary(const QString &name);
    void WriteBinary(const QString &name, const QByteArray &data);
    // Copies at most `size` bytes; returns how many the value holds.
    int ReadBinaryData(const QString &name, void *buffer, int size);
    void WriteBinaryData(const QString &name, const void *buffer, int size);

    // The file the store lives in.
    static QString StoreFileName();
    // "HKEY_CURRENT_USER" ... for a root key; empty for an unknown one.
    static QString RootKeyName(HKEY root);

private:
    QString Resolve(const QString &key) const;
    void RequireOpen(DWORD right, const QString &name, bool writing) const;

    HKEY root_ = HKEY_CURRENT_USER;
    DWORD access_;
    QString current_;
    bool open_ = false;
};
