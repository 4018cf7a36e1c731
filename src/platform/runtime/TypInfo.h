#pragma once
// Published properties by name (the framework's run-time type information functions) and the
// text forms of property values that the form files and the plot library's property files use.
//
// Paths are dotted ("Font.Color") and descend into owned sub-objects only, never into referenced
// components. Names compare without regard to case. Failures raise EPropertyError naming the
// class where the lookup started and the path: "TLabel.Font.Colr: property does not exist".

#include "platform/runtime/PropInfo.h"

#include <QString>

#include <cstdint>

const TPropInfo *GetPropInfo(const TObject *instance, const QString &name);
const std::vector<TPropInfo> &GetPropList(const TObject *instance);
bool IsPublishedProp(const TObject *instance, const QString &name);
// Kind of the published property at `path`, or Unknown.
TTypeKind PropKind(const TObject *instance, const QString &path);

// The object and property a dotted path leads to; false when there is none.
bool ResolvePropPath(TObject *instance, const QString &path, TObject *&target, const TPropInfo *&prop);

std::int64_t GetOrdProp(const TObject *instance, const QString &path);
void SetOrdProp(TObject *instance, const QString &path, std::int64_t value);
double GetFloatProp(const TObject *instance, const QString &path);
void SetFloatProp(TObject *instance, const QString &path, double value);
QString GetStrProp(const TObject *instance, const QString &path);
void SetStrProp(TObject *instance, const QString &path, const QString &value);
TObject *GetObjectProp(const TObject *instance, const QString &path);
void SetObjectProp(TObject *instance, const QString &path, TObject *value);
QString GetEnumProp(const TObject *instance, const QString &path);
void SetEnumProp(TObject *instance, const QString &path, const QString &value);

// Value as text: integers in decimal (or their ident), floats with "." and up to 15 significant
// digits, booleans True/False, enumerations by name, sets "[a,b]", colours by name or $hex.
QString GetPropValueText(const TObject *instance, const QString &path);
// The reverse; also accepts ordinal numbers for booleans and enumerations. EConvertError for text
// that does not fit the property, EPropertyError for a missing or read-only property.
void SetPropValueText(TObject *instance, const QString &path, const QString &text);

// Helpers shared with the form reader and writer.
// Ordinal value of an identifier for this property (enum name, True/False, colour or ident name).
bool IdentToOrd(const TPropInfo &prop, const QString &ident, std::int64_t &value);
// Identifier for an ordinal value when the property has one (enum name, True/False, ident).
bool OrdToIdent(const TPropInfo &prop, std::int64_t value, QString &ident);
// Set elements by name to a mask; false on an unknown element.
bool SetNamesToMask(const TPropInfo &prop, const QStringList &names, std::int64_t &mask);
QStringList MaskToSetNames(const TPropInfo &prop, std::int64_t mask);
