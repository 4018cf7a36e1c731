// The table of the pages' control families against the form with every control of the pages:
// each name is there with its class, and per channel with its channel in Tag where it says so.

#include "FullPagesFixture.h"

#include "pages/PageControlFamilies.h"

namespace {

TEST_F(FullPagesTest, EveryControlFamilyIsOnTheFullFormWithItsClassAndTag)
{
    for (const PageControlFamily &family : PageControlFamilies()) {
        const int first = family.Has == PageControlFamily::OutputsOnly ? ChOut1 : ChInA;
        for (int c = first; c < ChannelCount; ++c) {
            const QString name = ChannelControlName(family.Prefix, c);
            SCOPED_TRACE(name.toStdString());
            TComponent *control = form->FindComponent(name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->ClassName(), QString::fromLatin1(family.ClassName));
            if (family.TagIsChannel) {
                EXPECT_EQ(control->Tag(), c);
            }
        }
    }
    for (const PageSingleControl &single : PageSingleControls()) {
        SCOPED_TRACE(single.Name);
        TComponent *control = form->FindComponent(QString::fromLatin1(single.Name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->ClassName(), QString::fromLatin1(single.ClassName));
    }
}

}  // namespace
