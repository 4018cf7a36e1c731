#include "plotlib/opc/iOPCManager.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/ImageList.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/TreeView.h"

namespace {

constexpr int ManagerSize = 28;

// The manager's picture: two linked computers, on white (which the image list masks out).
void DrawManagerGlyph(TCanvas *c)
{
    c->FillRect(TRect(0, 0, 24, 24), clWhite);
    c->Pen()->SetColor(clNavy);
    c->Brush()->SetColor(clAqua);
    c->Rectangle(1, 2, 11, 10);
    c->Rectangle(13, 12, 23, 20);
    c->MoveTo(6, 10);
    c->LineTo(6, 16);
    c->LineTo(13, 16);
    c->Brush()->SetColor(clGray);
    c->Rectangle(3, 10, 9, 12);
    c->Rectangle(15, 20, 21, 22);
}

// The explorer's pictures, 16 x 16 on white: server connections, groups, one connection.
void DrawExplorerGlyph(TCanvas *c, int index)
{
    c->FillRect(TRect(0, 0, 16, 16), clWhite);
    c->Pen()->SetColor(clBlack);
    switch (index) {
    case 0:
        c->Brush()->SetColor(clSilver);
        c->Rectangle(1, 1, 11, 9);
        c->Rectangle(5, 6, 15, 14);
        break;
    case 1:
        c->Brush()->SetColor(clYellow);
        c->Rectangle(1, 3, 7, 6);
        c->Rectangle(1, 5, 15, 14);
        break;
    default:
        c->Brush()->SetColor(clLime);
        c->Rectangle(3, 1, 13, 15);
        c->MoveTo(5, 4);
        c->LineTo(11, 4);
        c->MoveTo(5, 7);
        c->LineTo(11, 7);
        break;
    }
}

void AddGlyph(TImageList *list, int size, const std::function<void(TCanvas *)> &draw)
{
    TBitmap glyph(size, size);
    draw(glyph.Canvas());
    list->AddMasked(&glyph, clWhite);
}

TiOPCExplorerForm *&SharedExplorer()
{
    static TiOPCExplorerForm *form = nullptr;
    return form;
}

}  // namespace

// ---- Groups ----------------------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TiOPCGroupObject)
{
    b.Str("Name", &TiOPCGroupObject::Name, nullptr);
    b.Str("ComputerName", &TiOPCGroupObject::ComputerName, nullptr);
    b.Str("OPCServerName", &TiOPCGroupObject::OPCServerName, nullptr);
    b.Int("UpdateRate", &TiOPCGroupObject::UpdateRate, &TiOPCGroupObject::SetUpdateRate);
}

void TiOPCGroupObject::SetUpdateRate(int Value)
{
    if (Value == FUpdateRate)
        return;
    FUpdateRate = Value;
    if (FDLLGroupHandle != 0)
        TiOPCClient::GroupSetUpdateRate(FDLLGroupHandle, Value);
}

void TiOPCGroupObject::Suspend()
{
    TiOPCClient::GroupSuspend(FDLLGroupHandle);
}

void TiOPCGroupObject::Resume()
{
    TiOPCClient::GroupResume(FDLLGroupHandle);
}

T_IMPLEMENT_CLASS(TiOPCGroupStream)
{
    b.Str("Name", &TiOPCGroupStream::Name, &TiOPCGroupStream::Name);
    b.Str("ComputerName", &TiOPCGroupStream::ComputerName, &TiOPCGroupStream::ComputerName);
    b.Str("OPCServerName", &TiOPCGroupStream::OPCServerName, &TiOPCGroupStream::OPCServerName);
    b.Int("UpdateRate", &TiOPCGroupStream::UpdateRate, &TiOPCGroupStream::UpdateRate);
}

// ---- Manager ---------------------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TiOPCManager)
{
    b.Bool("Visible", &TiOPCManager::Visible, &TiOPCManager::SetVisible).Default(false);
    b.Int("Width", &TiOPCManager::Width, &TiOPCManager::SetWidth).Default(ManagerSize);
    b.Int("Height", &TiOPCManager::Height, &TiOPCManager::SetHeight).Default(ManagerSize);
    b.Event("OnBeforeGroupUpdate", &TiOPCManager::OnBeforeGroupUpdate);
    b.Event("OnAfterGroupUpdate", &TiOPCManager::OnAfterGroupUpdate);
}

TiOPCManager::TiOPCManager(TComponent *AOwner)
    : TCustomControl(AOwner), FImageList(std::make_unique<TImageList>(nullptr)),
      FGroupList(std::make_unique<TStringList>(true))
{
    FImageList->SetWidth(24);
    FImageList->SetHeight(24);
    AddGlyph(FImageList.get(), 24, DrawManagerGlyph);
    FFirstInstance = TiOPCClient::ManagerCreated();
    SetBounds(Left(), Top(), ManagerSize, ManagerSize);
    SetVisible(false);
    TiOPCExplorerForm::SetShared(nullptr);
}

TiOPCManager::~TiOPCManager()
{
    try {
        GroupClear();
        if (FFirstInstance)
            TiOPCClient::ManagerDestroyed();
    }
    catch (...) {
        // The library's failures cannot stop the manager from going away.
    }
}

void TiOPCManager::SetBounds(int ALeft, int ATop, int, int)
{
    inherited::SetBounds(ALeft, ATop, ManagerSize, ManagerSize);
}

void TiOPCManager::Paint()
{
    TCanvas *c = Canvas();
    const TRect r = ClientRect();
    c->FillRect(r, clBtnFace);
    c->Pen()->SetColor(clBtnHighlight);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Left, r.Top);
    c->LineTo(r.Right - 1, r.Top);
    c->Pen()->SetColor(clBtnShadow);
    c->LineTo(r.Right - 1, r.Bottom - 1);
    c->LineTo(r.Left, r.Bottom - 1);
    FImageList->Draw(c, 2, 2, 0);
}

int TiOPCManager::GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName,
                           int UpdateRate)
{
    auto group = std::make_unique<TiOPCGroupObject>();
    group->FName = Name;
    group->FComputerName = ComputerName;
    group->FOPCServerName = OPCServerName;
    group->FUpdateRate = UpdateRate;
    if (TiOPCClient::Present())
        group->FDLLGroupHandle = TiOPCClient::GroupAdd(Name, ComputerName, OPCServerName, UpdateRate, this);
    FGroupList->AddObject(QString(), group.release());
    return FGroupList->Count() - 1;
}

void TiOPCManager::GroupDelete(int Index)
{
    TiOPCGroupObject *group = Groups(Index);
    if (group->FDLLGroupHandle != 0)
        TiOPCClient::GroupDelete(group->FDLLGroupHandle);
    FGroupList->Delete(Index);
}

void TiOPCManager::GroupClear()
{
    while (GroupCount() > 0)
        GroupDelete(0);
}

int TiOPCManager::GetGroupIndex(const QString &Name) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (SameText(Groups(i)->Name(), Name))
            return i;
    return -1;
}

int TiOPCManager::GroupCount() const
{
    return FGroupList->Count();
}

TiOPCGroupObject *TiOPCManager::Groups(int Index) const
{
    return static_cast<TiOPCGroupObject *>(FGroupList->Objects(Index));
}

void TiOPCManager::CloseAllServerConnections()
{
    TiOPCClient::CloseAllServerConnections();
}

void TiOPCManager::ExplorerShow()
{
    if (!TiOPCExplorerForm::Shared())
        TiOPCExplorerForm::SetShared(new TiOPCExplorerForm(Application));
    TiOPCExplorerForm::Shared()->RefreshTree();
    TiOPCExplorerForm::Shared()->Show();
}

QString TiOPCManager::GroupNameOfHandle(int handle) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (Groups(i)->DLLGroupHandle() == handle)
            return Groups(i)->Name();
    return QString();
}

void TiOPCManager::BeforeGroupUpdate(int GroupHandle)
{
    if (OnBeforeGroupUpdate)
        OnBeforeGroupUpdate(this, GroupNameOfHandle(GroupHandle));
}

void TiOPCManager::AfterGroupUpdate(int GroupHandle)
{
    if (OnAfterGroupUpdate)
        OnAfterGroupUpdate(this, GroupNameOfHandle(GroupHandle));
}

void TiOPCManager::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        QStringLiteral("Groups"), [this](TReader &reader) { ReadGroups(reader); },
        [this](TWriter &writer) { WriteGroups(writer); }, GroupCount() > 0);
}

void TiOPCManager::WriteGroups(TWriter &Writer)
{
    Writer.WriteValue(vaCollection);
    for (int i = 0; i < GroupCount(); ++i) {
        const TiOPCGroupObject *group = Groups(i);
        TiOPCGroupStream stream;
        stream.Name = group->Name();
        stream.ComputerName = group->ComputerName();
        stream.OPCServerName = group->OPCServerName();
        stream.UpdateRate = group->UpdateRate();
        Writer.WriteListBegin();
        Writer.WriteProperties(&stream);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void TiOPCManager::ReadGroups(TReader &Reader)
{
    GroupClear();
    if (Reader.ReadValue() != vaCollection)
        Reader.Error(QStringLiteral("collection expected"));
    while (!Reader.EndOfList()) {
        Reader.ReadListBegin();
        TiOPCGroupStream stream;
        while (!Reader.EndOfList())
            Reader.ReadProperty(&stream);
        Reader.ReadListEnd();
        GroupAdd(stream.Name, stream.ComputerName, stream.OPCServerName, stream.UpdateRate);
    }
    Reader.ReadListEnd();
}

// ---- Explorer --------------------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TiOPCExplorerForm)
{
    b.Field("TreeView", &TiOPCExplorerForm::TreeView);
    b.Field("ImageList", &TiOPCExplorerForm::ImageList);
}

TiOPCExplorerForm::TiOPCExplorerForm(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
    for (int i = 0; i < 3; ++i)
        AddGlyph(ImageList, 16, [i](TCanvas *c) { DrawExplorerGlyph(c, i); });
}

TiOPCExplorerForm::~TiOPCExplorerForm()
{
    if (SharedExplorer() == this)
        SharedExplorer() = nullptr;
}

TiOPCExplorerForm *TiOPCExplorerForm::Shared()
{
    return SharedExplorer();
}

void TiOPCExplorerForm::SetShared(TiOPCExplorerForm *form)
{
    SharedExplorer() = form;
}

void TiOPCExplorerForm::RefreshTree()
{
    TTreeNodes *nodes = TreeView->Items();
    nodes->Clear();
    FServersTreeNode = nodes->Add(nullptr, QStringLiteral("Servers Connections"));
    FServersTreeNode->SetImageIndex(0);
    FGroupsTreeNode = nodes->Add(nullptr, QStringLiteral("Groups"));
    FGroupsTreeNode->SetImageIndex(1);
    const int count = TiOPCClient::ServerConnectionGetCount();
    for (int i = 0; i < count; ++i)
        nodes->AddChild(FServersTreeNode, TiOPCClient::ServerConnectionGetName(i))->SetImageIndex(2);
}
