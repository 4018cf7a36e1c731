#include "platform/hid/LanguageNames.h"

namespace hid {

namespace {

struct Language {
    std::uint16_t id;
    const char *name;
};

constexpr Language kLanguages[] = {
    {0x0404, "Chinese (Traditional, Taiwan)"}, {0x0405, "Czech (Czech Republic)"},
    {0x0406, "Danish (Denmark)"},              {0x0407, "German (Germany)"},
    {0x0408, "Greek (Greece)"},                {0x0409, "English (United States)"},
    {0x040A, "Spanish (Spain, Traditional Sort)"}, {0x040B, "Finnish (Finland)"},
    {0x040C, "French (France)"},               {0x040E, "Hungarian (Hungary)"},
    {0x0410, "Italian (Italy)"},               {0x0411, "Japanese (Japan)"},
    {0x0412, "Korean (Korea)"},                {0x0413, "Dutch (Netherlands)"},
    {0x0414, "Norwegian, Bokmål (Norway)"},    {0x0415, "Polish (Poland)"},
    {0x0416, "Portuguese (Brazil)"},           {0x0419, "Russian (Russia)"},
    {0x041D, "Swedish (Sweden)"},              {0x041F, "Turkish (Turkey)"},
    {0x0804, "Chinese (Simplified, PRC)"},     {0x0809, "English (United Kingdom)"},
    {0x0816, "Portuguese (Portugal)"},         {0x0C04, "Chinese (Traditional, Hong Kong S.A.R.)"},
    {0x0C0A, "Spanish (Spain, International Sort)"},
};

}  // namespace

std::string LanguageName(std::uint16_t languageId)
{
    for (const Language &language : kLanguages)
        if (language.id == languageId)
            return language.name;
    return {};
}

}  // namespace hid
