#pragma once
// TOpenDialog and TSaveDialog: the file dialogs. Filters use the framework's form, descriptions and
// patterns alternating, separated by "|" ("Unit files (*.unt)|*.unt|All|*.*"); FilterIndex counts
// from 1. Execute answers whether a file was chosen; the choice is then in FileName (and Files).
//
// A chosen name without extension gets DefaultExt; then OnFileNameChosen, when assigned, may turn
// it into the name of the file the program will really write or read. With ofOverwritePrompt a
// save dialog asks before it takes an existing file ("No" goes back to the choice), and with
// ofFileMustExist an open dialog refuses a file that does not exist ("File not found", back to the
// choice); both checks, FileName and Files are about the final name.

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/ui/Dialogs.h"

#include <QStringList>

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
    ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
inline constexpr auto OpenOptionNames = EnumNames<TOpenOption>(
    "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
    "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
    "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
    "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing", "ofDontAddToRecent",
    "ofForceShowHidden");

class TOpenDialog : public TCommonDialog {
    T_DECLARE_CLASS(TOpenDialog, TCommonDialog)

public:
    explicit TOpenDialog(TComponent *AOwner);

    bool Execute() override;

    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &value) { FFileName = value; }
    const QStringList &Files() const { return FFiles; }
    const QString &Filter() const { return FFilter; }
    void SetFilter(const QString &value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const QString &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &value) { FDefaultExt = value; }
    const QString &InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString &value) { FInitialDir = value; }
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &value) { FTitle = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

    // Called with each chosen name (DefaultExt already added) before the checks; the handler may
    // change it to the file that will be used.
    TEvent<void(TObject *Sender, QString &FileName)> OnFileNameChosen;

protected:
    // Runs the dialog for opening (false) or saving (true).
    bool DoExecute(bool save);

private:
    bool Accept(bool save, QStringList files);

    QString FFileName;
    QStringList FFiles;
    QString FFilter;
    int FFilterIndex = 1;
    QString FDefaultExt;
    QString FInitialDir;
    QString FTitle;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    T_DECLARE_CLASS(TSaveDialog, TOpenDialog)

public:
    explicit TSaveDialog(TComponent *AOwner);

    bool Execute() override;
};

// The framework's filter text as Qt's name filters ("Unit files (*.unt)" ...), one per pair.
QStringList QtNameFilters(const QString &filter);
