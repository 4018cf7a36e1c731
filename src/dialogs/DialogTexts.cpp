#include "dialogs/DialogTexts.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "platform/os/CodePage.h"
#include "platform/ui/Controls.h"
#include "widgets/skinned/RzBmpBtn.h"

void SetLangCaptions(std::initializer_list<LangCaption> captions)
{
    const DialogHost &host = Host();
    for (const LangCaption &c : captions)
        c.control->SetCaption(host.GetLangText(QString::fromLatin1(c.key)));
}

std::string ToDeviceText(const QString &text, std::size_t size, char pad)
{
    return FitToBytes(Host().WideToAnsi(text), size, pad);
}

QString FromDeviceText(std::string_view bytes)
{
    return QString::fromStdU16String(os::AnsiToUnicode(bytes.substr(0, bytes.find('\0'))));
}

QString TrimmedDeviceText(std::string_view bytes)
{
    std::string_view text = bytes.substr(0, bytes.find('\0'));
    const std::size_t end = text.find_last_not_of(" \r");
    return FromDeviceText(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

void ClickOnEnter(QChar &key, TRzBmpButton *button)
{
    if (key != QChar(13))
        return;
    key = QChar();
    button->Click();
}
