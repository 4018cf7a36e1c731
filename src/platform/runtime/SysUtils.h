#pragma once
// The framework's text and number helpers. Numbers are read and written with "." as decimal
// separator whatever the locale; integer text accepts a leading '$' or "0x" for hexadecimal.
// Conversions that fail raise EConvertError with the framework's messages.

#include <QString>

#include <cstdint>

QString IntToStr(std::int64_t value);
QString IntToHex(std::int64_t value, int digits);
// The value of a hexadecimal digit (either case), or -1.
int HexDigitValue(QChar c);
std::int64_t StrToInt64(const QString &text);
int StrToInt(const QString &text);
int StrToIntDef(const QString &text, int fallback);
bool TryStrToInt(const QString &text, int &value);
bool TryStrToInt64(const QString &text, std::int64_t &value);

double StrToFloat(const QString &text);
double StrToFloatDef(const QString &text, double fallback);
bool TryStrToFloat(const QString &text, double &value);
// The same rules on a piece of a longer text, without copying it.
bool TryStrToFloat(QStringView text, double &value);
// The framework's FloatToStr: general format, 15 significant digits.
QString FloatToStr(double value);

bool StrToBool(const QString &text);  // "True"/"False" (any case) or a number
QString BoolToStr(bool value, bool useBoolStrs = false);

// Trimming removes characters up to and including the blank (control characters too).
QString Trim(const QString &text);
QStringView Trim(QStringView text);
QString TrimLeft(const QString &text);
QString TrimRight(const QString &text);
// ASCII-only case mapping, as the framework's UpperCase/LowerCase.
QString UpperCase(const QString &text);
QString LowerCase(const QString &text);
bool SameText(const QString &a, const QString &b);
bool SameText(QStringView a, QStringView b);
int CompareText(const QString &a, const QString &b);
int CompareStr(const QString &a, const QString &b);
QString QuotedStr(const QString &text);
QString StringOfChar(QChar c, int count);

// Rounding of the framework: Round halves to even; Trunc toward zero.
std::int64_t Round(double value);
std::int64_t Trunc(double value);
double Frac(double value);
double Int(double value);

// File names ('/' separated).
QString ExtractFilePath(const QString &fileName);  // with the trailing delimiter
QString ExtractFileDir(const QString &fileName);   // without it
QString ExtractFileName(const QString &fileName);
QString ExtractFileExt(const QString &fileName);   // with the dot
QString ChangeFileExt(const QString &fileName, const QString &extension);
QString IncludeTrailingPathDelimiter(const QString &path);
bool FileExists(const QString &fileName);
bool DirectoryExists(const QString &path);
