#include "TestComponents.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"

#include <algorithm>

int TTestControl::LiveCount = 0;
QStringList TTestControl::LoadedLog;

T_IMPLEMENT_CLASS(TTestFont)
{
    b.Color("Color", &TTestFont::Color, &TTestFont::Color).Default(clWindowText);
    b.Str("Name", &TTestFont::Name, &TTestFont::Name).Default("Tahoma");
    b.Int("Size", &TTestFont::Size, &TTestFont::Size).Default(8);
    b.Set("Style", &TTestFont::Style, &TTestFont::Style, TestFontStyleNames).Default(TTestFontStyles{});
}

void TTestFont::Assign(TPersistent *Source)
{
    if (auto *f = dynamic_cast<TTestFont *>(Source)) {
        Color = f->Color;
        Name = f->Name;
        Size = f->Size;
        Style = f->Style;
        return;
    }
    TPersistent::Assign(Source);
}

T_IMPLEMENT_CLASS(TTestPicture) {}

void TTestPicture::DefineProperties(TFiler *Filer)
{
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream &s) { Data = s.ReadBytes(s.Size()); },
        [this](TStream &s) { s.WriteBytes(Data); }, !Data.isEmpty());
}

T_IMPLEMENT_CLASS(TTestItem)
{
    b.Str("Caption", &TTestItem::Caption, &TTestItem::Caption);
    b.Int("Value", &TTestItem::Value, &TTestItem::Value).Default(0);
}

T_IMPLEMENT_CLASS(TTestControl)
{
    b.Int("Left", &TTestControl::Left, &TTestControl::Left).Default(0);
    b.Int("Top", &TTestControl::Top, &TTestControl::Top).Default(0);
    b.Str("Caption", &TTestControl::Caption, &TTestControl::Caption);
    b.Bool("Visible", &TTestControl::Visible, &TTestControl::Visible).Default(true);
    b.Enum("Align", &TTestControl::Align, &TTestControl::Align, TestAlignNames).Default(alNone);
    b.Float("Ratio", &TTestControl::Ratio, &TTestControl::Ratio);
    b.Color("Color", &TTestControl::Color, &TTestControl::Color).Default(clBtnFace);
    b.Object("Font", &TTestControl::Font, &TTestControl::SetFont);
    b.Object("Picture", &TTestControl::Picture, nullptr);
    b.Object("Items", &TTestControl::Items, nullptr);
    b.Object("Lines", &TTestControl::Lines, nullptr);
    b.Ref("Peer", &TTestControl::Peer, &TTestControl::Peer);
    b.Event("OnClick", &TTestControl::OnClick);
    b.Event("OnMouseDown", &TTestControl::OnMouseDown);
}

TTestControl::TTestControl(TComponent *AOwner)
    : TComponent(AOwner), font_(new TTestFont), picture_(new TTestPicture),
      items_(new TCollection(this, [](TCollection *c) { return new TTestItem(c); })), lines_(new TStringList),
      marks_(new TCollection(this, [](TCollection *c) { return new TTestItem(c); }))
{
    ++LiveCount;
}

TTestControl::~TTestControl()
{
    for (TTestControl *c : children_)
        c->parent_ = nullptr;
    if (parent_)
        std::erase(parent_->children_, this);
    delete font_;
    delete picture_;
    delete items_;
    delete lines_;
    delete marks_;
    --LiveCount;
}

void TTestControl::SetParentComponent(TComponent *value)
{
    if (parent_)
        std::erase(parent_->children_, this);
    parent_ = dynamic_cast<TTestControl *>(value);
    if (parent_)
        parent_->children_.push_back(this);
}

void TTestControl::GetChildren(const TGetChildProc &Proc, TComponent *Root)
{
    for (TTestControl *c : children_)
        if (c->Owner() == Root)
            Proc(c);
}

void TTestControl::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        QStringLiteral("ZOrder"), [this](TReader &r) { ZOrder = r.ReadInteger(); },
        [this](TWriter &w) { w.WriteInteger(ZOrder); }, ZOrder != 0);
    // A collection written item by item, as the plot's object managers do.
    Filer->DefineProperty(
        QStringLiteral("Marks"),
        [this](TReader &r) {
            marks_->Clear();
            if (r.ReadValue() != vaCollection)
                return;
            while (!r.EndOfList()) {
                r.ReadListBegin();
                TCollectionItem *item = marks_->Add();
                while (!r.EndOfList())
                    r.ReadProperty(item);
                r.ReadListEnd();
            }
            r.ReadListEnd();
        },
        [this](TWriter &w) {
            w.WriteValue(vaCollection);
            for (int i = 0; i < marks_->Count(); ++i) {
                w.WriteListBegin();
                w.WriteProperties(marks_->Items(i));
                w.WriteListEnd();
            }
            w.WriteListEnd();
        },
        marks_->Count() > 0);
}

void TTestControl::Loaded()
{
    inherited::Loaded();
    LoadedLog << Name();
}

void TTestControl::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Peer)
        Peer = nullptr;
}

T_IMPLEMENT_CLASS(TTestForm)
{
    b.Str("Caption", &TTestForm::Caption, &TTestForm::Caption);
    b.Handler("btnOkClick", &TTestForm::btnOkClick);
    b.Handler("FormMouseDown", &TTestForm::FormMouseDown);
    b.Field("lbTitle", &TTestForm::lbTitle);
    b.Field("btnOk", &TTestForm::btnOk);
    b.Forward("pageClick", &TTestForm::Page, &TTestPagePart::PartClick);
    b.Forward("pageMouseDown", &TTestForm::Page, &TTestPage::PageMouseDown);
}

void TTestPagePart::PartClick(TObject *Sender)
{
    Calls << QStringLiteral("page click ") + static_cast<TComponent *>(Sender)->Name();
}

void TTestPage::PageMouseDown(TObject *Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    Calls << QStringLiteral("page down %1 %2 %3 %4")
                 .arg(static_cast<TComponent *>(Sender)->Name())
                 .arg(static_cast<int>(Button))
                 .arg(X)
                 .arg(Y);
}

void TTestForm::btnOkClick(TObject *Sender)
{
    Calls << QStringLiteral("click ") + static_cast<TComponent *>(Sender)->Name();
}

void TTestForm::FormMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    Calls << QStringLiteral("down %1 %2 %3 %4 %5")
                 .arg(static_cast<TComponent *>(Sender)->Name())
                 .arg(static_cast<int>(Button))
                 .arg(Shift.Contains(ssShift) ? 1 : 0)
                 .arg(X)
                 .arg(Y);
}

// The form writes its top-level controls (and its other components) nested inside itself.
void TTestForm::GetChildren(const TGetChildProc &Proc, TComponent *)
{
    for (TComponent *c : ComponentList()) {
        auto *control = dynamic_cast<TTestControl *>(c);
        if (!control || !control->Parent())
            Proc(c);
    }
}

void TTestForm::Loaded()
{
    inherited::Loaded();
    TTestControl::LoadedLog << Name();
}
