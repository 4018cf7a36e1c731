// Writes the seed corpus of every fuzz target (fuzz/corpus/<target>/) with the program's own
// writers: frames and replies as the editor and the simulated processor build them, preset, unit
// and state files, report descriptors, form definitions printed by the form writer, rich text,
// pictures, marked-up text and the plot library's files. Run by tools/fuzz/fuzz --seeds.
//
//   fuzz_seeds FOLDER      writes FOLDER/<target>/<name> (existing files of those names replaced)

#include "device/DeviceHost.h"
#include "device/LUnitControl.h"
#include "devsim/LevelCodec.h"
#include "devsim/SimOptions.h"
#include "devsim/Simulator.h"
#include "devsim/StateFile.h"
#include "platform/hid/VendorDescriptor.h"
#include "platform/runtime/FormData.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/BitmapCodec.h"
#include "platform/ui/PictureEncoders.h"
#include "platform/ui/RtfWriter.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iXYPlot.h"
#include "tests/platform/hid/Descriptors.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path root;

void Put(const std::string &target, const std::string &name, const void *data, std::size_t size)
{
    const std::filesystem::path folder = root / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(static_cast<const char *>(data), static_cast<std::streamsize>(size));
}
void Put(const std::string &target, const std::string &name, const Bytes &bytes)
{
    Put(target, name, bytes.data(), bytes.size());
}
void Put(const std::string &target, const std::string &name, const std::string &bytes)
{
    Put(target, name, bytes.data(), bytes.size());
}
void Put(const std::string &target, const std::string &name, const QByteArray &bytes)
{
    Put(target, name, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Keeps the frames a model sends.
class RecordingHost : public DeviceHost {
public:
    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &command, std::uint8_t, std::uint8_t) override { frames.push_back(command.ToBytes(1)); }
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }
    std::vector<BSTM> frames;
};

// A model with something changed on every side.
void Edit(LUnitControl &m)
{
    const std::string name = "Live Show 2024";
    m.SetPresetName(std::span(reinterpret_cast<const std::uint8_t *>(name.data()), name.size()));
    m.SetGain(ChInA, 300);
    m.SetLinkMask(ChInA, 3);
    m.SetPolarity(ChOut2, 1);
    m.SetMute(ChOut4, 1);
    m.SetPeqBand(ChOut4, 8, PeqBandRecord{130, 250, 60, 2}, 1);
    m.SetHighPass(ChOut1, 0x00640008);
    m.SetCompressor(ChOut3, CompressorRecord{15, 9, 99, 200});
    m.SetDelay(ChOut2, 480);
    m.SetChannelName(ChInB, "Vox");
}

// The requests of a whole read and of a preset file, as the editor frames them.
std::vector<BSTM> Requests()
{
    std::vector<BSTM> requests;
    for (std::uint8_t command :
         {CMD_HANDSHAKE, CMD_IDENTITY, CMD_LOCK_STATUS, CMD_SYSTEM_PARAMS, CMD_CURRENT_PRESET, CMD_LEVELS, CMD_POLL})
        requests.push_back(CM_MCS_CMD(1, command).ToBytes(1));
    requests.push_back(CM_MCS_CMD(1, CMD_READ_PRESET_NAME, 4).ToBytes(1));
    for (std::uint8_t block = 0; block <= LastImageBlock; ++block)
        requests.push_back(CM_MCS_CMD(1, CMD_READ_PROGRAM_BLOCK, block).ToBytes(1));
    requests.push_back(CM_MCS_READ_EEPROM(1, 0, EepromHeaderSize).ToBytes(1));
    requests.push_back(CM_MCS_PASS_SUBMIT(1, 0, "1234").ToBytes(1));
    return requests;
}

void DeviceSeeds()
{
    RecordingHost host;
    LUnitControl model(host);
    Edit(model);
    const std::string factory = LUnitControl(host).ToPresetString() + "\r\n";
    const std::string edited = model.ToPresetString() + "\r\n";
    Put("device_files", "factory.prs", factory);
    Put("device_files", "edited.prs", edited);
    host.frames.clear();
    model.ApplyPreset(std::span(reinterpret_cast<const std::uint8_t *>(edited.data()) + 16, PresetBodySize));
    const std::vector<BSTM> settings = host.frames;
    Put("device_files", "empty.unt", model.UnitFileBytes());

    // Frames one by one, and streams of them.
    std::vector<BSTM> frames = Requests();
    frames.insert(frames.end(), settings.begin(), settings.begin() + 16);
    for (std::size_t i = 0; i < frames.size(); ++i)
        Put("command_decoder", "request" + std::to_string(i), frames[i]);
    Bytes stream = {1};
    for (const BSTM &frame : frames)
        stream.insert(stream.end(), frame.begin(), frame.end());
    Put("frame_assembler", "requests", stream);
    Bytes blocks = {0};
    blocks.insert(blocks.end(), stream.begin() + 1, stream.begin() + 1 + 128);
    Put("frame_assembler", "blocks", blocks);

    // The simulated processor's replies to them, and the simulator's own inputs.
    devsim::Simulator sim;
    const auto link = sim.ConnectInProcess();
    Bytes replies = {1};
    int n = 0;
    for (const BSTM &frame : frames) {
        link->Write(frame);
        const Bytes reply = link->ReadAll();
        if (reply.empty())
            continue;
        Put("command_decoder", "reply" + std::to_string(n++), reply);
        replies.insert(replies.end(), reply.begin(), reply.end());
    }
    Put("frame_assembler", "replies", replies);
    Bytes input = {0};
    for (const BSTM &frame : frames)
        input.insert(input.end(), frame.begin(), frame.end());
    Put("simulator", "requests", input);
    input[0] = 3 * 16;  // in writes of 17 bytes
    Put("simulator", "requests-cut", input);

    devsim::ProcessorState state;
    state.stored[2] = true;
    state.lockOn = true;
    Bytes stateFile = {1};
    const Bytes saved = devsim::StateFileBytes(state);
    stateFile.insert(stateFile.end(), saved.begin(), saved.end());
    Put("simulator", "state", stateFile);
    for (const char *line : {"delay 500", "--silent", "lock 1234", "no-faults", "id 7 drop-after 3"}) {
        std::string text = std::string(1, '\2') + line;
        Put("simulator", std::string("control-") + std::to_string(text.size()), text);
    }
    Put("device_files", "stored.unt",
        std::string(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(UnitFileSize)));

    // Replies as the model and the meters take them: kind, length, payload.
    Bytes replyRun;
    const auto add = [&](std::uint8_t kind, const Bytes &payload) {
        replyRun.push_back(kind);
        replyRun.push_back(static_cast<std::uint8_t>(payload.size()));
        replyRun.insert(replyRun.end(), payload.begin(), payload.end());
    };
    Bytes flags(31, 0);
    flags[2] = 0xFF;
    add(0, flags);
    add(1 + 7 * 5, Bytes{4, 'B', 'a', 's', 's', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (std::uint8_t b = 0; b <= LastImageBlock; ++b)
        add(2, devsim::ImageBlock(state.program, b));
    add(4, Bytes(state.eepromHeader.begin(), state.eepromHeader.end()));
    Bytes levels;
    for (float amplitude : {0.001f, 0.01f, 0.1f, 0.5f, 1.0f, 0.0f}) {
        const devsim::LevelBytes level = devsim::EncodeLevel(amplitude);
        levels.insert(levels.end(), level.begin(), level.end());
    }
    levels.push_back(0x05);
    add(5, levels);
    Put("model_replies", "full-read", replyRun);
    replyRun.clear();
    for (std::uint8_t b = 0; b <= LastImageBlock; ++b)
        add(3 + 7 * 3, devsim::ImageBlock(state.presets[2], b));
    Put("model_replies", "preset-read", replyRun);

    // Report descriptors: the processor's and a few real devices'.
    const auto descriptor = [](const std::string &name, const std::vector<std::uint8_t> &d, std::uint8_t fill) {
        Bytes input = {static_cast<std::uint8_t>(std::min<std::size_t>(d.size(), 255))};
        input.insert(input.end(), d.begin(), d.end());
        input.insert(input.end(), 16, fill);
        Put("hid_descriptor", name, input);
    };
    descriptor("processor", hid::VendorReportDescriptor(65, 65), 0x10);
    descriptor("feature", hid::VendorReportDescriptor(9, 33, 17), 0xA5);
    descriptor("vendor64", hidtest::kVendor64, 0x02);
    descriptor("keyboard", hidtest::kBootKeyboard, 0xE1);
    descriptor("mouse-consumer", hidtest::kMouseAndConsumer, 0x01);
}

// Drops the pictures (binary values) of an object and its children: they would make the seeds
// large and say nothing about the reader.
void DropPictures(TFormObject &object)
{
    std::erase_if(object.Properties, [](const TFormProperty &p) { return p.Value.kind == TFormValue::Kind::Binary; });
    for (TFormObject &child : object.Children)
        DropPictures(child);
}

void FormSeeds()
{
    // Small forms of the program, printed by the form writer, and the same as plain forms.
    for (const char *name : {"TfmExit", "TfmAbout", "TfmInformation", "TfmProcess", "TfmFactory", "TfmPeqRst"}) {
        if (!FormResourceExists(QString::fromLatin1(name)))
            continue;
        TFormObject form = ParseFormText(LoadFormResourceText(QString::fromLatin1(name)), name);
        DropPictures(form);
        Put("form_text", name, PrintFormText(form).toUtf8());
        form.ClassName = QStringLiteral("TForm");
        std::erase_if(form.Properties, [](const TFormProperty &p) { return p.Path.startsWith(QLatin1String("On")); });
        Put("form_text", std::string(name) + "-plain", PrintFormText(form).toUtf8());
    }
}

void PictureSeeds()
{
    QImage image(12, 7, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(30, 120, 200));
    painter.fillRect(3, 2, 5, 3, QColor(250, 200, 10, 128));
    painter.end();
    Put("image_headers", "png", EncodePng(image, 6));
    Put("image_headers", "jpeg", EncodeJpeg(image, {}));
    TJpegSettings progressive;
    progressive.Progressive = true;
    Put("image_headers", "jpeg-progressive", EncodeJpeg(image, progressive));
    for (int bits : {1, 4, 8, 16, 24, 32})
        Put("image_headers", "bmp" + std::to_string(bits), EncodeBmp(image, bits));

    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(200, 0, 0));
    cursor.insertText(QStringLiteral("Connect the processor "));
    cursor.insertText(QStringLiteral("before"), bold);
    cursor.insertText(QString::fromUtf8(" you press Connect.\n\tSecond line \u4e2d\u6587, 10\u00b0"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setFontPointSize(14);
    cursor.insertText(QStringLiteral("Centred and italic"), italic);
    Put("rtf", "help", WriteRtf(document));

    const char *texts[] = {
        "<B>Bold</B> and <I>italic</I> <U>under</U> <S>struck</S><BR>next line",
        "<FONT face=\"Arial\" color=\"#FF0000\" size=\"3\">red</FONT> <A href=\"x\">anchor</A> &amp; &lt;tag&gt;",
        "<P align=\"center\">centred</P><HR><UL><LI>one<LI>two</UL><SUB>low</SUB><SUP>high</SUP>",
        "<SHAD>shadow</SHAD> <HI>high</HI> <E>error</E> <IMG src=\"IDX:0\"> <IND x=\"20\">in &nbsp; &euro;",
    };
    int i = 0;
    for (const char *text : texts)
        Put("html_text", "text" + std::to_string(i++), std::string(text));
}

void PlotSeeds()
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("plot"));
    const auto put = [&](char kind, const std::string &name) {
        Put("plot_files", name, QByteArray(1, kind) + ReadFile(file));
    };
    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 240, 160);
    plot.AddChannel();
    plot.AddChannel();
    plot.AddLimit();
    plot.AddTable();
    plot.AddDataCursor();
    for (int i = 0; i < 8; ++i) {
        plot.GetChannel(0)->AddXY(i, i * i * 0.5);
        plot.GetChannel(1)->AddXY(i * 0.5, 10 - i);
    }
    plot.SavePropertiesToFile(file);
    put(0, "config");
    plot.SetDifferentialPropertySave(true);
    plot.SavePropertiesToFile(file);
    put(0, "config-differential");
    plot.AddAnnotation();
    plot.AddAnnotation();
    plot.SaveAnnotationsToFile(file);
    put(1, "annotations");
    plot.AddTranslation(QStringLiteral("X-Axis"), QStringLiteral("Frequency"));
    plot.AddTranslation(QStringLiteral("Y-Axis"), QStringLiteral("Level"));
    plot.SaveTranslationsToFile(file);
    put(2, "translations");
    plot.SaveDataToFile(file);
    put(3, "data-text");
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SaveDataToFile(file);
    put(3, "data-compact");
    plot.GetChannel(0)->SavePropertiesToFile(file);
    put(4, "channel-config");
    plot.GetChannel(0)->SaveDataToFile(file);
    put(5, "channel-data");
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    root = argv[1];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    Application->Initialize();
    DeviceSeeds();
    FormSeeds();
    PictureSeeds();
    PlotSeeds();
    return 0;
}
