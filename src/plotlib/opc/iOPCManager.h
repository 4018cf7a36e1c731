#pragma once
// The OPC manager: a small invisible control (always 28 x 28) that defines named OPC groups,
// each a server, a computer and an update rate that OPC items share by GroupName; and the OPC
// explorer, a stay-on-top window listing the client library's open server connections.
//
// Rules:
//  - Groups get a handle from the client library when it is present; without it they are plain
//    records (deleting one, or changing its update rate, then calls nothing).
//  - The groups stream as the manager's "Groups" property (only when there are any): a collection
//    with the four properties of each group. Reading replaces the groups.
//  - The library reports each group update with the group's handle; the manager raises
//    OnBeforeGroupUpdate / OnAfterGroupUpdate with the group's name (empty for an unknown handle).
//  - One explorer window serves all managers; the application owns it. A new manager forgets the
//    window shown so far (it stays open), so the next ExplorerShow opens a fresh one.
// GUI thread throughout.

#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/Forms.h"
#include "plotlib/opc/iOPCClientLibrary.h"

#include <memory>

class TImageList;
class TReader;
class TStringList;
class TTreeNode;
class TTreeView;
class TWriter;

using TGroupUpdateEvent = TEvent<void(TObject *Sender, const QString &GroupName)>;

// One group of a manager. Name, computer and server are fixed when the group is added.
class TiOPCGroupObject : public TPersistent {
    T_DECLARE_CLASS(TiOPCGroupObject, TPersistent)
    TiOPCGroupObject() = default;

    const QString &Name() const { return FName; }
    const QString &ComputerName() const { return FComputerName; }
    const QString &OPCServerName() const { return FOPCServerName; }
    int UpdateRate() const { return FUpdateRate; }
    // A new rate goes to the library when the group has a handle.
    void SetUpdateRate(int Value);
    int DLLGroupHandle() const { return FDLLGroupHandle; }

    void Suspend();
    void Resume();

private:
    friend class TiOPCManager;
    QString FName;
    QString FComputerName;
    QString FOPCServerName;
    int FUpdateRate = 0;
    int FDLLGroupHandle = 0;
};

// A group as it is streamed: the same four properties, all writable.
class TiOPCGroupStream : public TPersistent {
    T_DECLARE_CLASS(TiOPCGroupStream, TPersistent)
    TiOPCGroupStream() = default;

    QString Name;
    QString ComputerName;
    QString OPCServerName;
    int UpdateRate = 0;
};

class TiOPCManager : public TCustomControl, public TiOPCGroupCallback {
    T_DECLARE_CLASS(TiOPCManager, TCustomControl)
    explicit TiOPCManager(TComponent *AOwner);
    ~TiOPCManager() override;

    // Adds a group and returns its index.
    int GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName, int UpdateRate);
    // EStringListError for an index out of range, as for every indexed access.
    void GroupDelete(int Index);
    void GroupClear();
    // Index of the group of that name (without regard to case), -1 when there is none.
    int GetGroupIndex(const QString &Name) const;
    int GroupCount() const;
    TiOPCGroupObject *Groups(int Index) const;
    void CloseAllServerConnections();
    // Opens the explorer (made when there is none), filled afresh; not modal.
    void ExplorerShow();
    // True when this manager was the process's first (the library's answer; false without it).
    bool FirstInstance() const { return FFirstInstance; }

    // Always 28 x 28.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

    // The library's callbacks.
    void BeforeGroupUpdate(int GroupHandle) override;
    void AfterGroupUpdate(int GroupHandle) override;

    void DefineProperties(TFiler *Filer) override;

protected:
    void Paint() override;

private:
    QString GroupNameOfHandle(int handle) const;
    void ReadGroups(TReader &Reader);
    void WriteGroups(TWriter &Writer);

    std::unique_ptr<TImageList> FImageList;
    bool FFirstInstance = false;
    std::unique_ptr<TStringList> FGroupList;
};

// The explorer window: a tree with "Servers Connections" (one child per open connection) and
// "Groups". Its look is the form definition TiOPCExplorerForm.
class TiOPCExplorerForm : public TForm {
    T_DECLARE_CLASS(TiOPCExplorerForm, TForm)
    explicit TiOPCExplorerForm(TComponent *AOwner);
    ~TiOPCExplorerForm() override;

    // Rebuilds the tree from the client library (whose failures pass to the caller).
    void RefreshTree();

    // The window all managers share (nullptr when none is open or it was forgotten).
    static TiOPCExplorerForm *Shared();
    static void SetShared(TiOPCExplorerForm *form);

    TTreeView *TreeView = nullptr;
    TImageList *ImageList = nullptr;

private:
    TTreeNode *FServersTreeNode = nullptr;
    TTreeNode *FGroupsTreeNode = nullptr;
};
