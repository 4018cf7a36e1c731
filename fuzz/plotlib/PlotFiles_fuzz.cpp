// The plot library's files as a plot reads them: the first byte picks the kind ("Plot Config",
// annotations, translations, the plot's data file, a channel's "Plot Channel Config" or data
// file), the rest is the file. Whatever loaded, the plot is painted afterwards: a value the
// reader let in must not lead the painting astray.

#include "FuzzApp.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString InputFile()
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(QStringLiteral("input"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString file = InputFile();
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(reinterpret_cast<const char *>(data) + 1, static_cast<qint64>(size - 1));
    }
    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 240, 160);
    plot.AddChannel();
    try {
        switch (data[0] % 6) {
        case 0: plot.LoadPropertiesFromFile(file); break;
        case 1: plot.LoadAnnotationsFromFile(file); break;
        case 2: plot.LoadTranslationsFromFile(file); break;
        case 3: plot.LoadDataFromFile(file); break;
        case 4: plot.GetChannel(0)->LoadPropertiesFromFile(file); break;
        default: plot.GetChannel(0)->LoadDataFromFile(file, data[0] & 8); break;
        }
    } catch (const Exception &) {
    }
    TBitmap bitmap(240, 160);
    plot.DrawToCanvas(bitmap.Canvas());
    return 0;
}
