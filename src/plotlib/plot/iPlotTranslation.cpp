#include "plotlib/plot/iPlotTranslation.h"

#include "platform/os/AtomicFile.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"
#include "plotlib/base/iHelpers.h"

#include <QStringDecoder>

T_IMPLEMENT_CLASS(TiPlotTranslationObject)
{
    b.Str("OriginalString", &TiPlotTranslationObject::OriginalString, &TiPlotTranslationObject::SetOriginalString)
        .NoDefault();
    b.Str("ReplacementString", &TiPlotTranslationObject::ReplacementString,
          &TiPlotTranslationObject::SetReplacementString)
        .NoDefault();
}

namespace {

const QString Unknown = QStringLiteral("Unknown");
const QString CrLf = QStringLiteral("\r\n");

// The file's text: UTF-8 (a leading byte-order mark dropped), or the system code page when the
// bytes are no valid UTF-8, so that no character of an older file is lost.
QString DecodeTranslationFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromStdU16String(os::AnsiToUnicode(std::string_view(bytes.constData(), bytes.size())));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Lines end at CR, LF or CR LF; a break at the very end starts no further line.
QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

}  // namespace

// ---- TiPlotTranslationObject --------------------------------------------------------------------

TiPlotTranslationObject::TiPlotTranslationObject(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove)
    : FOnInsert(std::move(AOnInsert)), FOnRemove(std::move(AOnRemove)), FOriginalString(Unknown),
      FReplacementString(Unknown)
{
    if (FOnInsert)
        FOnInsert(this);
}

TiPlotTranslationObject::~TiPlotTranslationObject()
{
    if (FOnRemove)
        FOnRemove(this);
}

// ---- TiPlotTranslationManager -------------------------------------------------------------------

TiPlotTranslationManager::TiPlotTranslationManager(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove)
{
    if (!AOnInsert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    FOnInsert = std::move(AOnInsert);
    FOnRemove = std::move(AOnRemove);
    FOnInsert(this);
}

TiPlotTranslationManager::~TiPlotTranslationManager()
{
    Clear();
    FOnRemove(this);
}

TiPlotTranslationObject *TiPlotTranslationManager::Items(int Index) const
{
    return static_cast<TiPlotTranslationObject *>(FList.Objects(Index));
}

TiPlotTranslationObject *TiPlotTranslationManager::CreateObject()
{
    return new TiPlotTranslationObject(FOnInsert, FOnRemove);
}

int TiPlotTranslationManager::Add()
{
    TiPlotTranslationObject *pair = CreateObject();
    return FList.IndexOfObject(pair);
}

void TiPlotTranslationManager::Delete(int Index)
{
    delete Items(Index);
}

void TiPlotTranslationManager::Clear()
{
    while (FList.Count() > 0) {
        TiPlotTranslationObject *pair = Items(0);
        delete pair;
        // A pair whose removal nobody passed back still leaves the list.
        const int left = FList.IndexOfObject(pair);
        if (left >= 0)
            FList.Delete(left);
    }
}

void TiPlotTranslationManager::NotificationInsert(TObject *Sender)
{
    auto *pair = dynamic_cast<TiPlotTranslationObject *>(Sender);
    if (pair && FList.IndexOfObject(pair) < 0)
        FList.InsertObject(0, QString(), pair);
}

void TiPlotTranslationManager::NotificationRemove(TObject *Sender)
{
    const int index = FList.IndexOfObject(Sender);
    if (index >= 0)
        FList.Delete(index);
}

QString TiPlotTranslationManager::FindReplacement(const QString &OriginalString) const
{
    for (int i = 0; i < FList.Count(); ++i) {
        const TiPlotTranslationObject *pair = Items(i);
        if (pair->OriginalString() == OriginalString)
            return pair->ReplacementString();
    }
    return OriginalString;
}

// ---- Streaming ----------------------------------------------------------------------------------

void TiPlotTranslationManager::WriteToStream(TWriter &Writer)
{
    iWriteCollection(Writer, Count(), [&](int Index) { Writer.WriteProperties(Items(Index)); });
}

void TiPlotTranslationManager::ReadFromStream(TReader &Reader)
{
    Clear();
    // A pair files itself as it is made.
    iReadCollection(Reader, [this]() -> TPersistent * { return CreateObject(); }, [](TPersistent *) {});
}

// ---- Files --------------------------------------------------------------------------------------

void TiPlotTranslationManager::SaveToFile(const QString &FileName)
{
    try {
        QString text;
        for (int i = 0; i < Count(); ++i)
            text += Items(i)->OriginalString() + u'\t' + Items(i)->ReplacementString() + CrLf;
        std::string error;
        if (!os::WriteFileAtomic(FileName.toStdString(), text.toStdString(), &error))
            throw EWriteError(QString::fromStdString(error));
    } catch (const Exception &e) {
        throw Exception(QStringLiteral("Error Saving Translation Data - ") + e.Message());
    }
}

void TiPlotTranslationManager::LoadFromFile(const QString &FileName)
{
    try {
        TMemoryStream bytes;
        bytes.LoadFromFile(FileName);
        const QStringList lines = SplitLines(DecodeTranslationFile(bytes.Bytes()));
        Clear();
        for (const QString &line : lines) {
            const qsizetype tab = line.indexOf(u'\t');
            if (tab < 0)
                throw Exception(QStringLiteral("Invalid Format - Tab Deliminator Missing"));
            TiPlotTranslationObject *pair = CreateObject();
            pair->SetOriginalString(line.left(tab));
            pair->SetReplacementString(line.mid(tab + 1));
        }
    } catch (const Exception &e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + e.Message());
    }
}
