#include "pages/PageControls.h"

#include "device/ParameterImage.h"
#include "widgets/graphics/CurvyEdit.h"

QString ChannelControlName(const char *prefix, int channel)
{
    const QString suffix = ChannelSuffix(channel);
    return suffix.isEmpty() ? QString() : QString::fromLatin1(prefix) + suffix;
}

QChar ChannelCharacter(int channel)
{
    const QString suffix = ChannelSuffix(channel);
    return suffix.isEmpty() ? QChar(u' ') : suffix.back();
}

int TagChannel(const TComponent &control)
{
    const std::intptr_t tag = control.Tag();
    return tag >= 0 && tag < ChannelCount ? static_cast<int>(tag) : -1;
}

void ShowRejectedEntry(TCurvyEdit &edit, const QString &text)
{
    edit.SetText(text);
    edit.Edit()->SetSelStart(static_cast<int>(text.size()));
    edit.Edit()->SetSelLength(0);
}
