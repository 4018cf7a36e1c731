#pragma once
// Small component classes with one published property of every kind, a parent relation, a
// collection, binary data, a string list and events: the fixture of the form reader and writer
// and of the property registry tests.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Collection.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/StringList.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

enum TTestAlign { alNone, alTop, alClient };
inline constexpr auto TestAlignNames = EnumNames<TTestAlign>("alNone", "alTop", "alClient");
enum TTestFontStyle { fsBold, fsItalic, fsUnderline };
using TTestFontStyles = TSet<TTestFontStyle>;
inline constexpr auto TestFontStyleNames = EnumNames<TTestFontStyle>("fsBold", "fsItalic", "fsUnderline");

class TTestFont : public TPersistent {
    T_DECLARE_CLASS(TTestFont, TPersistent)
    TColor Color = clWindowText;
    QString Name = QStringLiteral("Tahoma");
    int Size = 8;
    TTestFontStyles Style;
    void Assign(TPersistent *Source) override;
};

// A picture: nothing but binary data, streamed as "Picture = {...}".
class TTestPicture : public TPersistent {
    T_DECLARE_CLASS(TTestPicture, TPersistent)
    QByteArray Data;
    void DefineProperties(TFiler *Filer) override;
};

class TTestItem : public TCollectionItem {
    T_DECLARE_CLASS(TTestItem, TCollectionItem)
    explicit TTestItem(TCollection *c) : TCollectionItem(c) {}
    QString Caption;
    int Value = 0;
};

class TTestControl : public TComponent {
    T_DECLARE_CLASS(TTestControl, TComponent)
    explicit TTestControl(TComponent *AOwner);
    ~TTestControl() override;

    int Left = 0;
    int Top = 0;
    QString Caption;
    bool Visible = true;
    TTestAlign Align = alNone;
    double Ratio = 0;
    TColor Color = clBtnFace;
    TTestFont *Font() const { return font_; }
    void SetFont(TTestFont *f) { font_->Assign(f); }
    TTestPicture *Picture() const { return picture_; }
    TCollection *Items() const { return items_; }
    TStringList *Lines() const { return lines_; }
    TTestControl *Peer = nullptr;
    int ZOrder = 0;  // stored as a defined property
    TCollection *Marks() const { return marks_; }  // stored as a defined collection
    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

    TTestControl *Parent() const { return parent_; }
    const std::vector<TTestControl *> &Children() const { return children_; }

    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent *value) override;
    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;
    void DefineProperties(TFiler *Filer) override;
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

    static int LiveCount;
    static QStringList LoadedLog;

private:
    TTestFont *font_;
    TTestPicture *picture_;
    TCollection *items_;
    TStringList *lines_;
    TCollection *marks_;
    TTestControl *parent_ = nullptr;
    std::vector<TTestControl *> children_;
};

// An object a form holds whose member functions the form's definition binds like the form's own
// handlers (ClassBuilder's Forward).
class TTestPagePart {
public:
    QStringList Calls;
    void PartClick(TObject *Sender);
};
class TTestPage : public TTestPagePart {
public:
    void PageMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

class TTestForm : public TComponent {
    T_DECLARE_CLASS(TTestForm, TComponent)
    explicit TTestForm(TComponent *AOwner) : TComponent(AOwner) {}

    QString Caption;
    TTestControl *lbTitle = nullptr;
    TTestControl *btnOk = nullptr;
    QStringList Calls;
    TTestPage Page;

    void btnOkClick(TObject *Sender);
    void FormMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;
    void Loaded() override;
};
