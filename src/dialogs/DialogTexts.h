#pragma once
// What the dialogs share when they are shown and typed in: every caption comes from the language
// table at each showing (so a language switch shows at the next one), and Enter in a dialog's one
// text field clicks its OK button.

#include "device/GlobalConstants.h"
#include <QChar>
#include <QString>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

class TControl;
class TRzBmpButton;

// A control (or a form: its title) and the language key of its caption.
struct LangCaption {
    TControl *control;
    const char *key;
};

// Sets each caption to its key's text in the current language (DialogHost::GetLangText).
void SetLangCaptions(std::initializer_list<LangCaption> captions);

// A window text as exactly `size` bytes for the device: GBK (DialogHost::WideToAnsi), cut between
// characters, filled up with `pad` (blanks for preset names, zero bytes for channel names).
std::string ToDeviceText(const QString &text, std::size_t size, char pad = ' ');

// 8-bit device text (GBK) as a window text: the bytes up to the first zero byte.
QString FromDeviceText(std::string_view bytes);
// The same without trailing blanks and carriage returns, as an edit shows a stored name.
QString TrimmedDeviceText(std::string_view bytes);


// Enter (character 13) clicks `button` and is used up; any other key is left alone.
void ClickOnEnter(QChar &key, TRzBmpButton *button);
