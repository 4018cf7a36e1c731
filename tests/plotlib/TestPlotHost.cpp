#include "TestPlotHost.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"

#include <gtest/gtest.h>

T_IMPLEMENT_CLASS(TTestChannel) {}

T_IMPLEMENT_CLASS(TTestPlotHost) {}

QString NameOf(TObject *Object)
{
    if (auto *object = dynamic_cast<TiPlotObject *>(Object))
        return object->Name().isEmpty() ? object->ClassName() : object->Name();
    if (auto *pair = dynamic_cast<TiPlotTranslationObject *>(Object))
        return pair->OriginalString();
    return QStringLiteral("manager");
}

TTestPlotHost::TTestPlotHost(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 500, 200);
    FMaster = std::make_unique<TiPlotMasterManager>(this);
    FMaster->OnChange = [this](TObject *) { ++Changes; };
    FMaster->OnInvalidateNow = [this](TObject *) { ++InvalidatesNow; };
    FMaster->OnInsert = [this](TObject *Sender) { Record(QStringLiteral("insert"), Sender); };
    FMaster->OnRemove = [this](TObject *Sender) { Record(QStringLiteral("remove"), Sender); };
    FMaster->SetChannelClass(TiPlotChannelClass::Of<TTestChannel>());
    FPopupMenu = new TPopupMenu(this);
    for (TImageList *&list : FImageLists) {
        list = new TImageList(this);
        list->SetWidth(24);
        list->SetHeight(24);
    }
}

TTestPlotHost::~TTestPlotHost()
{
    FMaster->ObjectManager()->ShutDownSetup();
    FMaster.reset();
}

void TTestPlotHost::Record(const QString &What, TObject *Sender)
{
    // Managers come and go with the master: only objects and pairs are of interest.
    if (NameOf(Sender) != QStringLiteral("manager"))
        Log << What + u' ' + NameOf(Sender);
}

void TTestPlotHost::DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState, int X, int Y)
{
    Log << QStringLiteral("down %1 %2 %3,%4").arg(NameOf(Object)).arg(int(Button)).arg(X).arg(Y);
}

void TTestPlotHost::DoObjectMouseMove(TiPlotObject *Object, TShiftState, int X, int Y)
{
    Log << QStringLiteral("move %1 %2,%3").arg(NameOf(Object)).arg(X).arg(Y);
}

void TTestPlotHost::DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState, int X, int Y)
{
    Log << QStringLiteral("up %1 %2 %3,%4").arg(NameOf(Object)).arg(int(Button)).arg(X).arg(Y);
}

void TTestPlotHost::DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState, int, int)
{
    Log << QStringLiteral("wheel %1 %2").arg(NameOf(Object)).arg(WheelDelta);
}

void TTestPlotHost::DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY)
{
    Log << QStringLiteral("popup %1 %2,%3").arg(NameOf(Object)).arg(ScreenX).arg(ScreenY);
    Cancel = CancelPopup;
}

void TTestPlotHost::DoObjectGotFocus(TiPlotObject *Object)
{
    Log << QStringLiteral("got ") + NameOf(Object);
}

void TTestPlotHost::DoObjectLostFocus(TiPlotObject *Object)
{
    Log << QStringLiteral("lost ") + NameOf(Object);
}

TiPlotTranslationManager *TTestPlotHost::GetTranslationManager() const
{
    return FMaster ? FMaster->TranslationManager() : nullptr;
}

TCustomImageList *TTestPlotHost::GetImageList(int Index) const
{
    return Index >= 0 && Index < 3 ? FImageLists[Index] : nullptr;
}

void TTestPlotHost::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    FMaster->DefineCollections(Filer);
}

void ExpectOwnerChecks(
    TWinControl *Owner, const char *OwnerMessage,
    const std::function<void(TWinControl *, TNotifyEvent, TNotifyEvent, TNotifyEvent, TNotifyEvent)> &Make)
{
    const TNotifyEvent set = [](TObject *) {};
    const TNotifyEvent none;
    struct Case {
        const char *message;
        TWinControl *owner;
        TNotifyEvent change, insert, remove, rename;
    };
    const Case cases[] = {
        {OwnerMessage, nullptr, none, none, none, none},
        {"OnChange event handler can not be null", Owner, none, none, none, none},
        {"OnInsert event handler can not be null", Owner, set, none, set, set},
        {"OnRemove event handler can not be null", Owner, set, set, none, none},
        {"AOnRename event handler can not be null", Owner, set, set, set, none},
    };
    for (const Case &c : cases) {
        try {
            Make(c.owner, c.change, c.insert, c.remove, c.rename);
            ADD_FAILURE() << "made without " << c.message;
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
        }
    }
}
