#include "platform/os/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace os {

namespace {

// The code page's name for iconv; glibc knows it as GBK (CP936 is an alias of the same table).
constexpr const char *kCodePage = "GBK";
// iconv's name for the native wchar_t encoding: one UCS-4 code point per wchar_t.
constexpr const char *kWide = "WCHAR_T";
static_assert(sizeof(wchar_t) == 4, "code points are exchanged with iconv as 32-bit wchar_t");

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kUnmapped = '?';

// One conversion descriptor per thread and direction, opened on first use. When iconv lacks the
// table, the descriptor stays invalid and only ASCII converts.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as possible; afterwards `in` and `out` point past what was converted.
    // Answers 0 or the errno that stopped the conversion.
    int Convert(const char *&in, std::size_t &inLeft, char *&out, std::size_t &outLeft)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        char *src = const_cast<char *>(in);  // iconv's interface is not const-correct
        const std::size_t result = iconv(cd_, &src, &inLeft, &out, &outLeft);
        in = src;
        return result == static_cast<std::size_t>(-1) ? errno : 0;
    }

private:
    iconv_t cd_;
};

Converter &Decoder()
{
    thread_local Converter converter(kWide, kCodePage);
    return converter;
}

Converter &Encoder()
{
    thread_local Converter converter(kCodePage, kWide);
    return converter;
}

bool IsAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// GBK bytes to code points. A byte that starts no valid character becomes one U+FFFD; a
// well-formed lead/trail pair the table leaves undefined becomes two, so that the trail byte is
// not mistaken for the start of the next character.
std::u32string DecodeAnsi(std::string_view ansi)
{
    std::u32string out;
    out.reserve(ansi.size());
    Converter &decoder = Decoder();
    if (IsAscii(ansi) || !decoder.Valid()) {
        for (unsigned char c : ansi)
            out.push_back(c < 0x80 ? c : kReplacement);
        return out;
    }
    std::wstring buffer(ansi.size(), L'\0');  // a GBK byte never yields more than one character
    const char *in = ansi.data();
    std::size_t inLeft = ansi.size();
    while (inLeft > 0) {
        char *outStart = reinterpret_cast<char *>(buffer.data());
        char *outPos = outStart;
        std::size_t outLeft = buffer.size() * sizeof(wchar_t);
        const int error = decoder.Convert(in, inLeft, outPos, outLeft);
        const auto produced = static_cast<std::size_t>(outPos - outStart) / sizeof(wchar_t);
        for (std::size_t i = 0; i < produced; ++i)
            out.push_back(static_cast<char32_t>(buffer[i]));
        if (error == 0 || inLeft == 0)
            break;
        if (error == E2BIG)
            continue;
        // EILSEQ or EINVAL (cut off at the end): skip the offending bytes.
        const auto lead = static_cast<unsigned char>(in[0]);
        const std::size_t skip = inLeft >= 2 && IsLeadByte(lead) && IsTrailByte(static_cast<unsigned char>(in[1])) ? 2 : 1;
        out.append(skip, kReplacement);
        in += skip;
        inLeft -= skip;
    }
    return out;
}

// Code points to GBK bytes; each one the code page lacks becomes '?'.
std::string EncodeAnsi(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    Converter &encoder = Encoder();
    bool ascii = true;
    for (char32_t c : text)
        ascii = ascii && c < 0x80;
    if (ascii || !encoder.Valid()) {
        for (char32_t c : text)
            out.push_back(c < 0x80 ? static_cast<char>(c) : kUnmapped);
        return out;
    }
    const std::wstring wide(text.begin(), text.end());
    std::string buffer(wide.size() * 2 + 4, '\0');  // at most two bytes per character
    const char *in = reinterpret_cast<const char *>(wide.data());
    std::size_t inLeft = wide.size() * sizeof(wchar_t);
    while (inLeft > 0) {
        char *outPos = buffer.data();
        std::size_t outLeft = buffer.size();
        const int error = encoder.Convert(in, inLeft, outPos, outLeft);
        out.append(buffer.data(), outPos);
        if (error == 0 || inLeft == 0)
            break;
        if (error == E2BIG)
            continue;
        out.push_back(kUnmapped);
        in += sizeof(wchar_t);
        inLeft -= sizeof(wchar_t);
    }
    return out;
}

// UTF-16 to code points; an unpaired surrogate becomes U+FFFD.
std::u32string FromUtf16(std::u16string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back(kReplacement);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::u16string ToUtf16(std::u32string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

// UTF-8 to code points; every byte that does not belong to a well-formed sequence (overlong
// forms, surrogates and values above U+10FFFF included) becomes U+FFFD.
std::u32string FromUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (c < 0x80) {
            length = 1, value = c;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2, value = c & 0x1F, minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, value = c & 0x0F, minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, value = c & 0x07, minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        valid = valid && value >= minimum && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
        if (valid) {
            out.push_back(value);
            i += length;
        } else {
            out.push_back(kReplacement);
            ++i;
        }
    }
    return out;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace

std::u16string AnsiToUnicode(std::string_view ansi)
{
    // ASCII is the same in the code page: long text files are mostly that.
    if (IsAscii(ansi))
        return std::u16string(ansi.begin(), ansi.end());
    return ToUtf16(DecodeAnsi(ansi));
}
std::string UnicodeToAnsi(std::u16string_view text) { return EncodeAnsi(FromUtf16(text)); }
std::string AnsiToUtf8(std::string_view ansi) { return ToUtf8(DecodeAnsi(ansi)); }
std::string Utf8ToAnsi(std::string_view utf8) { return EncodeAnsi(FromUtf8(utf8)); }
std::u16string Utf8ToUtf16(std::string_view utf8) { return ToUtf16(FromUtf8(utf8)); }
std::string Utf16ToUtf8(std::u16string_view text) { return ToUtf8(FromUtf16(text)); }

}  // namespace os
