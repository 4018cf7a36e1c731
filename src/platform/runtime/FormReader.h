#pragma once
// Form definitions: reading them into components.
//
// Grammar of a form definition (UTF-8 text; blanks, line breaks and "//" comments separate
// tokens; keywords and names compare without regard to case):
//
//   definition := object
//   object     := "object" [Name ":"] ClassName { property | object } "end"
//   property   := Path "=" value                 Path := Name { "." Name }
//   value      := integer | float | string | ident | set | binary | list | collection
//   integer    := ["-"] digits | "$" hexdigits    (e.g. Color = $00C0C0C0)
//   float      := ["-"] digits "." digits ["E" ["+"|"-"] digits]  (the decimal point is always ".")
//   string     := piece { piece | "+" piece }     piece := "'" chars "'" | "#" decimal-char-code
//                 ('' inside quotes is one quote; "+" may continue a string on the next line)
//   ident      := Name { "." Name }               (True/False, enum and colour names, handler
//                                                   names, names of other components, nil)
//   set        := "[" [Name { "," Name }] "]"
//   binary     := "{" hex digit pairs, blanks and line breaks allowed "}"
//               | "@" string                     (the bytes of that file; ":/..." names one
//                                                   embedded in the program)
//   list       := "(" { value } ")"               (e.g. Lines.Strings = ('one' 'two'))
//   collection := "<" { "item" { property } "end" } ">"
//
// Meaning:
//  - The outer object is the form (the root); nested objects are its components, created through
//    the class registry with the form as owner and the enclosing object as parent
//    (SetParentComponent). Each is stored in the form's field of the same name, if it has one.
//  - "Path = value" sets a published property; a dotted path goes into owned sub-objects
//    (Font.Color). A name that is not published is looked up among the object's defined
//    properties (DefineProperties); "Sub = {hex}" on an owned sub-object is its "Data" property
//    (pictures: Bitmaps.Up = {89504E47...}). A picture's "File" is a whole picture file in any
//    format the picture reads (Bitmaps.Up.File = @':/images/dialogs/button_up.bmp'); it is read
//    only, the form writer writes the picture back as its Data.
//  - Binary data given to a text property becomes text of one character per byte (0..255), so a
//    stored document can come from a file (RichText = @':/help/document.rtf'); the form writer
//    writes it back as a string.
//  - A variant property (Tag of a plot channel) takes the type of its value: an integer, a float,
//    a string, True or False, Null; Unassigned empties it. The writer leaves an empty one out.
//  - An event property names a handler of the form class (OnClick = btnOKClick); a component
//    reference names a component of the form (PopupMenu = pmMain), resolved after all components
//    exist.
//  - While reading, every component carries csLoading (and csReading while its own properties are
//    read); when the whole definition has been read, Loaded() runs for the form first and then
//    for each component in reading order.
//  - Any error (bad text, unknown class or property, a value of the wrong kind, an unknown
//    handler, a setter that raises) stops reading with EReadError
//    "file(line): TClass name.Path: reason", and every component created by the read is
//    destroyed again: nothing half-built stays.
//
// Resources: the definition of form class TFoo is the resource ":/forms/TFoo.dfm" (embedded from
// resources/forms/ with trov_embed_resources, see src/platform/runtime/CMakeLists.txt).

#include <QString>

class TComponent;

// Reads the definition into `root`, whose class must be the definition's class.
void ReadComponentFromText(TComponent *root, const QString &text, const QString &fileName);
// Creates the root from the class registry (with `owner`) and reads the definition into it.
TComponent *CreateComponentFromText(const QString &text, const QString &fileName, TComponent *owner);

QString FormResourcePath(const QString &resourceName);
bool FormResourceExists(const QString &resourceName);
// The text of ":/forms/<name>.dfm"; EReadError when it does not exist.
QString LoadFormResourceText(const QString &resourceName);
void ReadComponentResource(TComponent *root, const QString &resourceName);
// Reads the definition named after the instance's class; false when there is none. Call it from
// the most derived constructor's body (or after construction), never from a base constructor:
// the form's fields and handlers belong to the derived class.
bool InitInheritedComponent(TComponent *instance);
