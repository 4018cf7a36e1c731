#pragma once
// TCustomMemo and TMemo: multi-line text. Lines is the text as a list of lines (line breaks CR LF,
// a final line break does not start a line of its own); every change of the text, through Text,
// Lines or the user's typing, fires OnChange once.

#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"
#include "platform/runtime/StringList.h"

#include <memory>

class QPlainTextEdit;

class TCustomMemo : public TNativeControl {
    T_DECLARE_CLASS(TCustomMemo, TNativeControl)

public:
    explicit TCustomMemo(TComponent *AOwner);
    ~TCustomMemo() override;

    TStrings *Lines() const { return FLines.get(); }
    void SetLines(TStrings *value) { FLines->Assign(value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    void SelectAll();
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:  // message handlers, registered by number in the class description
    void CMTextChanged(TMessage &m);
    void CMMouseWheel(TMessage &m);
    void WMGetDlgCode(TMessage &m);

protected:
    virtual void Change();
    QWidget *CreateNative(QWidget *parent) override;
    QString GetText() const override { return FText; }
    void SetTextValue(const QString &value) override;
    QPlainTextEdit *Editor() const;
    void UserEdited();

private:
    void ApplyOptions(QPlainTextEdit *editor) const;

    std::unique_ptr<TStrings> FLines;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FModified = false;
    int FSelStart = 0;
    int FSelLength = 0;
    bool FSyncing = false;
};

class TMemo : public TCustomMemo {
    T_DECLARE_CLASS(TMemo, TCustomMemo)

public:
    explicit TMemo(TComponent *AOwner) : TCustomMemo(AOwner) {}
};
