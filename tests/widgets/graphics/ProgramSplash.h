#pragma once
// The splash the program's main form shows, set up in code for the tests and the benchmark: the
// committed background and item pictures, the two headings at their custom places, the loading
// line and the list rectangle, and the progress bar settings (its bar stays hidden). It closes
// 100 ms after it shows, at once, without fading.

#include <QFile>
#include <QString>

#include <tuple>

#include "platform/runtime/Streams.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"

namespace splashtest {

// A picture of resources/images/splash below the source tree `root`.
inline void LoadSplashPicture(TGraphic *picture, const QString &root, const char *name)
{
    QFile f(root + QStringLiteral("/resources/images/splash/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return;
    TMemoryStream s(f.readAll());
    picture->LoadFromStream(&s);
}

inline void ConfigureLikeTheProgram(TAdvSmoothSplashScreen *splash, const QString &root)
{
    splash->SetTimeOut(100);
    splash->SetCloseOnTimeout(true);
    splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    TGDIPFill *fill = splash->Fill();
    fill->SetGradientType(gtNone);  // only the picture
    LoadSplashPicture(fill->Picture(), root, "background.png");
    fill->SetPicturePosition(ppBottomCenter);
    fill->SetOpacity(249);
    TBasicProgramInfo *info = splash->BasicProgramInfo();
    for (auto [heading, text, x, y, height] :
         {std::tuple{info->ProgramName(), "TROV316 DSP Processor Editor", 45, 170, -29},
          std::tuple{info->ProgramVersion(), "Ver 1.1", 515, 180, -13}}) {
        heading->SetText(text);
        heading->SetLocation(ilCustom);
        heading->SetPosX(x);
        heading->SetPosY(y);
        heading->SetColorStart(clWhite);
        heading->SetHatchStyle(HatchStyleDivot);
        heading->Font()->SetHeight(height);
        heading->Font()->SetStyle(TFontStyles{fsBold});
    }
    TSplashItem *item = splash->Items()->Add();
    LoadSplashPicture(item->Picture(), root, "item.png");
    item->SetPosX(200);
    item->SetPosY(60);
    splash->ListItems()->Add()->SetHTMLText(
        "<BR><BR><FONT SIZE=\"20\" COLOR=\"clWhite\">Loading Program....</FONT><BR>");
    TListItemsRect *r = splash->ListItemsSettings()->Rect();
    r->SetLeft(180);
    r->SetTop(210);
    r->SetWidth(500);
    r->SetHeight(250);
    TGDIPSplashProgress *bar = splash->ProgressBar();
    bar->SetStep(10);
    bar->SetLeft(160);
    bar->SetTop(220);
    bar->SetHeight(12);
}

}  // namespace splashtest
