#pragma once
// The translation list of a plot: pairs of an original user-interface text and its replacement.
// Every text the library shows passes FindReplacement first, which answers the replacement of the
// first pair (newest first) whose original equals the text exactly, case included, or the text.
//
// Rules a caller must know:
//  - A pair announces itself when it is made (OnInsert) and when it is destroyed (OnRemove); the
//    master manager files it in the manager through those. Every new pair goes to the front, so
//    Add always answers 0 and the list holds the pairs newest first.
//  - Streamed with the plot's form as the "TranslationManager" collection.
//  - Translation file: one pair per line, the original, a tab, the replacement (everything after
//    the first tab, further tabs included). UTF-8; lines end with CR LF when written, with CR, LF
//    or CR LF when read (a file that is no valid UTF-8 is read in the system code page). Loading
//    clears the list and files the lines in order, so the last line of an original wins and a
//    later save writes the lines in reverse order. A line without a tab stops the load with
//    "Error Loading Data - Invalid Format - Tab Deliminator Missing"; the pairs read before it
//    stay. Failures of saving raise "Error Saving Translation Data - " and the reason; the file
//    is then left as it was.
// GUI thread.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/StringList.h"

#include <QString>

class TReader;
class TWriter;

// One pair; starts as "Unknown" -> "Unknown".
class TiPlotTranslationObject : public TPersistent {
    T_DECLARE_CLASS(TiPlotTranslationObject, TPersistent)
    // Raises OnInsert at once.
    TiPlotTranslationObject(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove);
    // Raises OnRemove.
    ~TiPlotTranslationObject() override;

    const QString &OriginalString() const { return FOriginalString; }
    void SetOriginalString(const QString &Value) { FOriginalString = Value; }
    const QString &ReplacementString() const { return FReplacementString; }
    void SetReplacementString(const QString &Value) { FReplacementString = Value; }

private:
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRemove;
    QString FOriginalString;
    QString FReplacementString;
};

class TiPlotTranslationManager : public TObject {
public:
    // Raises "OnInsert event handler can not be null" or "OnRemove event handler can not be null"
    // when a notification is missing; then announces itself (OnInsert).
    TiPlotTranslationManager(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove);
    // Frees every pair, then announces its removal (OnRemove).
    ~TiPlotTranslationManager() override;

    int Count() const { return FList.Count(); }
    // The pair at Index; EStringListError outside 0 ... Count - 1.
    TiPlotTranslationObject *Items(int Index) const;

    // A new pair with the manager's notifications (it files itself through them).
    TiPlotTranslationObject *CreateObject();
    // The index of the new pair: 0.
    int Add();
    // Frees the pair at Index (EStringListError outside the list).
    void Delete(int Index);
    void Clear();
    // Files a pair not yet in the list, at the front; anything else is ignored.
    void NotificationInsert(TObject *Sender);
    void NotificationRemove(TObject *Sender);

    QString FindReplacement(const QString &OriginalString) const;

    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(TWriter &Writer);
    // Clears the list; a value that is no collection leaves it empty.
    void ReadFromStream(TReader &Reader);

    void SaveToFile(const QString &FileName);
    void LoadFromFile(const QString &FileName);

private:
    TStringList FList;
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRemove;
};
