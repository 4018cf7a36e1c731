// Component model: ownership, names, lookup, notifications, fields bound by name, Assign.

#include "TestComponents.h"

#include "platform/runtime/ClassRegistry.h"
#include "platform/runtime/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(Component, OwnerDestroysOwnedAndLookupIgnoresCase)
{
    int before = TTestControl::LiveCount;
    {
        TTestForm form(nullptr);
        auto *a = new TTestControl(&form);
        a->SetName(QStringLiteral("isGainOut3"));
        new TTestControl(&form);
        EXPECT_EQ(form.ComponentCount(), 2);
        EXPECT_EQ(form.FindComponent(QStringLiteral("ISGAINOUT3")), a);
        EXPECT_EQ(form.FindComponent(QStringLiteral("isGainOut4")), nullptr);  // a normal outcome
        EXPECT_EQ(form.FindComponent(QString()), nullptr);
        EXPECT_EQ(dynamic_cast<TTestForm *>(form.FindComponent(QStringLiteral("isGainOut3"))), nullptr);
    }
    EXPECT_EQ(TTestControl::LiveCount, before);
}

// The lookup follows renames, removals and hand-overs between owners; a component handed over
// under a name the new owner already has leaves the name with the first of them.
TEST(Component, LookupFollowsRenamesRemovalsAndHandOvers)
{
    TTestForm form(nullptr), other(nullptr);
    auto *a = new TTestControl(&form);
    a->SetName(QStringLiteral("lbGain"));
    a->SetName(QStringLiteral("lbMute"));
    EXPECT_EQ(form.FindComponent(QStringLiteral("lbGain")), nullptr);
    EXPECT_EQ(form.FindComponent(QStringLiteral("LBMUTE")), a);

    auto *b = new TTestControl(&other);
    b->SetName(QStringLiteral("LbMute"));
    form.InsertComponent(b);
    EXPECT_EQ(other.FindComponent(QStringLiteral("lbMute")), nullptr);
    EXPECT_EQ(form.FindComponent(QStringLiteral("lbmute")), a);
    form.RemoveComponent(a);
    EXPECT_EQ(form.FindComponent(QStringLiteral("lbMute")), b);
    a->SetName(QString());
    form.InsertComponent(a);
    EXPECT_EQ(form.FindComponent(QStringLiteral("lbMute")), b);
    delete b;
    EXPECT_EQ(form.FindComponent(QStringLiteral("lbMute")), nullptr);
}

TEST(Component, NamesAreValidatedAndUniquePerOwner)
{
    TTestForm form(nullptr);
    auto *a = new TTestControl(&form);
    auto *b = new TTestControl(&form);
    a->SetName(QStringLiteral("rzbOK"));
    EXPECT_THROW(b->SetName(QStringLiteral("RZBOK")), EComponentError);
    EXPECT_THROW(b->SetName(QStringLiteral("1abc")), EComponentError);
    a->SetName(QStringLiteral("RZBOK"));  // renaming to another case of itself is allowed
    EXPECT_EQ(a->Name(), QStringLiteral("RZBOK"));
}

TEST(Component, FieldsFollowTheComponentOfTheirName)
{
    TTestForm form(nullptr);
    auto *c = new TTestControl(&form);
    c->SetName(QStringLiteral("lbTitle"));
    EXPECT_EQ(form.lbTitle, c);
    c->SetName(QStringLiteral("other"));
    EXPECT_EQ(form.lbTitle, nullptr);
    c->SetName(QStringLiteral("btnOk"));
    EXPECT_EQ(form.btnOk, c);
    delete c;
    EXPECT_EQ(form.btnOk, nullptr);
}

TEST(Component, RemovalIsNotifiedToSiblingsAndFreeNotificationCrossesOwners)
{
    TTestForm form(nullptr);
    auto *a = new TTestControl(&form);
    auto *b = new TTestControl(&form);
    b->Peer = a;
    delete a;  // every component of the same owner hears opRemove
    EXPECT_EQ(b->Peer, nullptr);

    TTestForm other(nullptr);
    auto *far = new TTestControl(&other);
    b->Peer = far;
    b->FreeNotification(far);
    delete far;
    EXPECT_EQ(b->Peer, nullptr);
}

TEST(Component, LoadingStateAndDestroyingState)
{
    TTestForm form(nullptr);
    auto *a = new TTestControl(&form);
    a->SetComponentState(csLoading, true);
    a->Loaded();
    EXPECT_FALSE(a->ComponentState().Contains(csLoading));
    EXPECT_FALSE(a->Designing());
    form.Destroying();
    EXPECT_TRUE(a->ComponentState().Contains(csDestroying));
}

TEST(Component, AssignRefusesForeignClassesWithTheFrameworksMessage)
{
    TTestFont font;
    TTestPicture picture;
    try {
        font.Assign(&picture);
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TTestPicture to a TTestFont"));
    }
}

TEST(ClassRegistry, CreatesRegisteredClassesByName)
{
    std::unique_ptr<TComponent> c(CreateComponentByClassName(QStringLiteral("ttestcontrol"), nullptr));
    EXPECT_NE(dynamic_cast<TTestControl *>(c.get()), nullptr);
    EXPECT_EQ(c->ClassName(), QStringLiteral("TTestControl"));
    EXPECT_TRUE(c->InheritsFrom(TComponent::StaticClass()));
    EXPECT_THROW(CreateComponentByClassName(QStringLiteral("TNoSuchClass"), nullptr), EClassNotFound);
    EXPECT_THROW(CreateComponentByClassName(QStringLiteral("TTestFont"), nullptr), EComponentError);
}

}  // namespace
