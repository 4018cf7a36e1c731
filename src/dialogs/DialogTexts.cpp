#include "dialogs/DialogTexts.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "platform/ui/Controls.h"
#include "widgets/skinned/RzBmpBtn.h"

void SetLangCaptions(std::initializer_list<LangCaption> captions)
{
    const DialogHost &host = Host();
    for (const LangCaption &c : captions)
        c.control->SetCaption(host.GetLangText(QString::fromLatin1(c.key)));
}

std::string ToDeviceText(const QString &text, std::size_t size)
{
    return FitToBytes(Host().WideToAnsi(text), size);
}

void ClickOnEnter(QChar &key, TRzBmpButton *button)
{
    if (key != QChar(13))
        return;
    key = QChar();
    button->Click();
}
