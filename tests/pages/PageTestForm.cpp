#include "PageTestForm.h"

#include "pages/ChannelPageHandlers.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PaintBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Shape.h"
#include "plotlib/plot/iXYPlot.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/VrDemoButton.h"

#include <QFile>

#include <cstdlib>

T_IMPLEMENT_CLASS(TfmPageTest)
{
    DescribeChannelPageHandlers(b, &TfmPageTest::Pages);
}

namespace {

// Every class the test forms hold, so that the test program links them and the reader finds them.
[[maybe_unused]] const TClassInfo *const FormClasses[] = {
    &TRzGroupBox::StaticClass(),   &TPanel::StaticClass(),     &TShape::StaticClass(),
    &TLabel::StaticClass(),        &TImage::StaticClass(),     &TPaintBox::StaticClass(),
    &TAdvTrackBar::StaticClass(),  &TCurvyEdit::StaticClass(), &TRzBmpButton::StaticClass(),
    &TVrDemoButton::StaticClass(), &TiXYPlot::StaticClass(),
};

QStringList EnglishTable()
{
    const char *root = std::getenv("TROV_SOURCE_DIR");
    QFile file(QString::fromUtf8(root ? root : TROV_TEST_SOURCE_ROOT) + "/resources/lang/moEnglish.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QChar(u'\n'));
}

}  // namespace

TfmPageTest::TfmPageTest(TComponent *AOwner) : TForm(AOwner), language_(EnglishTable())
{
    for (auto &plot : Plots)
        plot = std::make_unique<Plot>(nullptr);
}

TfmPageTest::~TfmPageTest()
{
    // The controls go first: one going away may still fire an event into the pages.
    DestroyComponents();
}

void TfmPageTest::Load(const QString &resourceName)
{
    ReadComponentResource(this, resourceName);
}

void TfmPageTest::SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed)
{
    Sent.push_back({command, keepDuplicates, framed});
    SessionSteps.emplace_back("send");
}

std::vector<BSTM> TfmPageTest::SentFrames() const
{
    std::vector<BSTM> frames;
    for (const SentCommand &s : Sent)
        frames.push_back(s.Command.ToBytes(1));
    return frames;
}

QString TfmPageTest::GetLangText(const QString &key) const
{
    for (qsizetype i = 0; i + 1 < language_.size(); ++i)
        if (language_[i].trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return language_[i + 1].trimmed();
    return language_.value(0).trimmed();
}
