#pragma once
// String lists: TStrings (the abstract list with names and values, Text, file load and save, the
// "Strings" list property in form definitions) and TStringList (sorted or not, duplicates
// accepted, ignored or refused, attached objects, case-insensitive by default, change events).
//
// Text joins lines with CR LF and ends with one; setting Text splits at CR LF, LF or CR. Files are
// read as UTF-8 or UTF-16 when they start with a byte-order mark, otherwise as 8-bit text of the
// system code page; they are written in the code page (or UTF-8 with a mark when asked), CR LF.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };
enum class TTextEncoding { Ansi, Utf8 };

class TStrings : public TPersistent {
    T_DECLARE_CLASS(TStrings, TPersistent)

    virtual int Count() const = 0;
    virtual QString Get(int index) const = 0;
    virtual void Put(int index, const QString &s);
    virtual TObject *GetObject(int index) const;
    virtual void PutObject(int index, TObject *object);
    virtual void Insert(int index, const QString &s) = 0;
    virtual void InsertObject(int index, const QString &s, TObject *object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const QString &s);
    virtual int AddObject(const QString &s, TObject *object);
    virtual int IndexOf(const QString &s) const;
    virtual void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void Append(const QString &s) { Add(s); }
    void AddStrings(const TStrings *strings);
    void AddStrings(const QStringList &strings);

    QString operator[](int index) const { return Get(index); }
    QString Strings(int index) const { return Get(index); }
    TObject *Objects(int index) const { return GetObject(index); }
    int IndexOfObject(const TObject *object) const;

    // name=value lines
    QChar NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(QChar c) { FNameValueSeparator = c; }
    QString Names(int index) const;
    QString ValueFromIndex(int index) const;
    QString Values(const QString &name) const;
    void SetValue(const QString &name, const QString &value);
    int IndexOfName(const QString &name) const;

    virtual QString Text() const;
    virtual void SetText(const QString &text);
    QString CommaText() const;
    void SetCommaText(const QString &text);
    QStringList ToStringList() const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void LoadFromFile(const QString &fileName);
    // Replaces the file whole or not at all (SaveBytesToFile, Streams.h).
    void SaveToFile(const QString &fileName, TTextEncoding encoding = TTextEncoding::Ansi) const;
    // Virtual: a list that stands for a richer document (a rich edit's lines) reads and writes
    // the document itself.
    virtual void LoadFromStream(TStream *stream);
    virtual void SaveToStream(TStream *stream, TTextEncoding encoding = TTextEncoding::Ansi) const;

    void Assign(TPersistent *Source) override;
    bool Equals(const TStrings *other) const;
    void DefineProperties(TFiler *Filer) override;

protected:
    // Called around changes while no update is open (TStringList fires its events here).
    virtual void SetUpdateState(bool updating);
    [[noreturn]] void Error(const QString &message, int index) const;
    virtual bool CompareStrings(const QString &a, const QString &b) const;  // equal?

private:
    QChar FNameValueSeparator = u'=';
    int FUpdateCount = 0;
};

class TStringList : public TStrings {
    T_DECLARE_CLASS(TStringList, TStrings)
    TStringList() = default;
    explicit TStringList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}
    ~TStringList() override;

    int Count() const override { return static_cast<int>(FList.size()); }
    QString Get(int index) const override;
    void Put(int index, const QString &s) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;
    void Insert(int index, const QString &s) override;
    void InsertObject(int index, const QString &s, TObject *object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const QString &s) override;
    int AddObject(const QString &s, TObject *object) override;
    int IndexOf(const QString &s) const override;
    void Exchange(int index1, int index2) override;

    // Binary search of a sorted list: true and its index when found, else false and the index
    // where it would go.
    bool Find(const QString &s, int &index) const;
    void Sort();
    void CustomSort(const std::function<int(TStringList *, int, int)> &compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    bool CompareStrings(const QString &a, const QString &b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        QString text;
        TObject *object = nullptr;
    };
    int Compare(const QString &a, const QString &b) const;
    void CheckIndex(int index, bool allowEnd = false) const;
    void InsertItem(int index, const QString &s, TObject *object);

    std::vector<Item> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};
