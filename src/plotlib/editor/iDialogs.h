#pragma once
// The four dialog components the editor controls open: colour, font, open file and save file,
// over the framework's dialogs (so the test scripting answers them). Execute answers true when the
// user confirmed; the choice is then in the component's properties.
//
//  - TiColorDialog and TiFontDialog need a windowed control as their owner; another owner raises
//    the framework's EInvalidCast "Invalid class typecast".
//  - TiOpenDialog and TiSaveDialog answer false without showing anything when no form or windowed
//    control is among their owners.
//  - TiSaveDialog makes the chosen name end in the chosen filter's extension: with the pattern
//    "*.png" chosen, "a" becomes "a.png", "a.PNG" stays, "a.bmp" becomes "a.bmp.png"; the all-files
//    pattern "*.*" appends nothing. ReturnExt is the extension of the chosen pattern.
// GUI thread.

#include "platform/runtime/Classes.h"
#include "platform/runtime/StringList.h"
#include "platform/ui/GraphicsFont.h"

#include <memory>

class TiColorDialog : public TComponent {
    T_DECLARE_CLASS(TiColorDialog, TComponent)
    explicit TiColorDialog(TComponent *AOwner) : TComponent(AOwner) {}
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    bool Execute();

private:
    TColor FColor = clBlack;
};

class TiFontDialog : public TComponent {
    T_DECLARE_CLASS(TiFontDialog, TComponent)
    explicit TiFontDialog(TComponent *AOwner);
    ~TiFontDialog() override;
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value) { FFont->Assign(Value); }
    bool Execute();

private:
    std::unique_ptr<TFont> FFont;
};

class TiOpenDialog : public TComponent {
    T_DECLARE_CLASS(TiOpenDialog, TComponent)
    explicit TiOpenDialog(TComponent *AOwner);
    ~TiOpenDialog() override;
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &Value) { FFileName = Value; }
    const QString &Filter() const { return FFilter; }
    void SetFilter(const QString &Value) { FFilter = Value; }
    const QString &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &Value) { FDefaultExt = Value; }
    const QString &DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString &Value) { FDefaultDir = Value; }
    bool FileMustExist() const { return FFileMustExist; }
    void SetFileMustExist(bool Value) { FFileMustExist = Value; }
    bool AllowMultiSelect() const { return FAllowMultiSelect; }
    void SetAllowMultiSelect(bool Value) { FAllowMultiSelect = Value; }
    // The chosen files with their full paths; FileName is the first.
    TStrings *Files() const { return FFiles.get(); }
    bool Execute();

private:
    QString FFileName;
    QString FFilter;
    QString FDefaultExt;
    QString FDefaultDir;
    bool FFileMustExist = false;
    bool FAllowMultiSelect = false;
    std::unique_ptr<TStringList> FFiles;
};

class TiSaveDialog : public TComponent {
    T_DECLARE_CLASS(TiSaveDialog, TComponent)
    explicit TiSaveDialog(TComponent *AOwner);
    ~TiSaveDialog() override;
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &Value) { FFileName = Value; }
    const QString &Filter() const { return FFilter; }
    void SetFilter(const QString &Value) { FFilter = Value; }
    // From 1; the filter the user ended with after Execute.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const QString &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &Value) { FDefaultExt = Value; }
    const QString &DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString &Value) { FDefaultDir = Value; }
    const QString &ReturnExt() const { return FReturnExt; }
    bool Execute();

private:
    QString FFileName;
    QString FFilter;
    QString FDefaultExt;
    int FFilterIndex = 1;
    std::unique_ptr<TStringList> FFilterList;
    QString FReturnExt;
    QString FDefaultDir;
};
