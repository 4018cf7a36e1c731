#include "platform/ui/RtfCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

struct CharsetPage {
    int charset;
    int codePage;
};

// GDI character sets and the code page each one stands for.
constexpr CharsetPage kCharsetPages[] = {
    {0, 1252},   {1, 0},      {2, 0},      {77, 10000}, {128, 932},  {129, 949}, {130, 1361},
    {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437},
};

// Converts with iconv; false when the code page is unknown to it.
bool Convert(std::string_view bytes, int codePage, QString &out)
{
    const std::string name = codePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codePage);
    iconv_t cd = iconv_open("UTF-16LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::u16string result;
    std::string in(bytes);
    char *inPtr = in.data();
    std::size_t inLeft = in.size();
    char16_t buffer[256];
    while (inLeft > 0) {
        char *outPtr = reinterpret_cast<char *>(buffer);
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        result.append(buffer, (sizeof buffer - outLeft) / sizeof(char16_t));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated sequence: one replacement character per offending byte.
            result.push_back(u'\uFFFD');
            ++inPtr;
            --inLeft;
        }
    }
    iconv_close(cd);
    out = QString::fromUtf16(result.data(), static_cast<qsizetype>(result.size()));
    return true;
}

}  // namespace

int CharsetCodePage(int charset)
{
    for (const CharsetPage &entry : kCharsetPages)
        if (entry.charset == charset)
            return entry.codePage;
    return 0;
}

QString DecodeRtfBytes(std::string_view bytes, int codePage)
{
    QString out;
    if (codePage > 0 && Convert(bytes, codePage, out))
        return out;
    Convert(bytes, 1252, out);
    return out;
}
