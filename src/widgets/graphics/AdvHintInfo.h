#pragma once
// TAdvHintInfo: the content of a rich hint of a control (a title, lines of notes, a picture and a
// help flag). The controls keep it for their owner; nothing in this program shows such a hint.
// Writing Notes or Picture copies the given content.

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/StringList.h"
#include "widgets/graphics/GDIPicture.h"

class TAdvHintInfo : public TPersistent {
    T_DECLARE_CLASS(TAdvHintInfo, TPersistent)
    TAdvHintInfo();
    ~TAdvHintInfo() override;

    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &value) { FTitle = value; }
    TStringList *Notes() const { return FNotes.get(); }
    void SetNotes(TStrings *value) { FNotes->Assign(value); }
    TGDIPPicture *Picture() const { return FPicture.get(); }
    void SetPicture(TGDIPPicture *value);
    bool ShowHelp() const { return FShowHelp; }
    void SetShowHelp(bool value) { FShowHelp = value; }
    // Kept only to be copied along by Assign.
    const QString &WideTitle() const { return FWideTitle; }
    void SetWideTitle(const QString &value) { FWideTitle = value; }
    const QString &WideNotes() const { return FWideNotes; }
    void SetWideNotes(const QString &value) { FWideNotes = value; }

    // Only from another TAdvHintInfo; any other source is ignored.
    void Assign(TPersistent *Source) override;
    // True when the title and the notes' text are empty; the picture and ShowHelp do not count.
    bool IsEmpty() const;

private:
    std::unique_ptr<TGDIPPicture> FPicture;
    bool FShowHelp = false;
    std::unique_ptr<TStringList> FNotes;
    QString FTitle;
    QString FWideTitle;
    QString FWideNotes;
};
