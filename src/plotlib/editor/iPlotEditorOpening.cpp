// The master manager's side of the plot editor: making the form, opening and closing it, the
// "Control" page's loading and storing, and the pages remembered between openings.

#include "plotlib/plot/iPlotMasterManager.h"

#include "platform/ui/Screen.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/editor/iPlotEditor.h"
#include "plotlib/plot/iPlotComponent.h"

#include <algorithm>
#include <utility>

namespace {

// The editor's page controls whose active page is remembered, in the order of the indices.
constexpr const char *RememberedPageControls[] = {"PageControl",
                                                  "ControlPageControl",
                                                  "ChannelPageControl",
                                                  "XAxisPageControl",
                                                  "XAxisLabelsPageControl",
                                                  "YAxisPageControl",
                                                  "YAxisLabelsPageControl",
                                                  "DataCursorPageControl",
                                                  "LimitPageControl",
                                                  "LabelPageControl",
                                                  "LegendPageControl",
                                                  "TablePageControl",
                                                  "DataViewPageControl",
                                                  "DataViewGridLinesCustomPageControl"};
static_assert(std::size(RememberedPageControls) == 14);

// Each object list with the manager whose objects it shows, in the order the lists are filled.
struct ListSource {
    TiComponentEditorListBox *TiPlotEditorForm::*List;
    TiPlotObjectManagerCustom *(*Manager)(const TiPlotMasterManager &);
};

template <auto Getter>
TiPlotObjectManagerCustom *ManagerOf(const TiPlotMasterManager &Master)
{
    return (Master.*Getter)();
}

const ListSource ListSources[] = {
    {&TiPlotEditorForm::ToolBarListBox, ManagerOf<&TiPlotMasterManager::ToolBarManager>},
    {&TiPlotEditorForm::LegendListBox, ManagerOf<&TiPlotMasterManager::LegendManager>},
    {&TiPlotEditorForm::TableListBox, ManagerOf<&TiPlotMasterManager::TableManager>},
    {&TiPlotEditorForm::XAxisListBox, ManagerOf<&TiPlotMasterManager::XAxisManager>},
    {&TiPlotEditorForm::YAxisListBox, ManagerOf<&TiPlotMasterManager::YAxisManager>},
    {&TiPlotEditorForm::DataViewListBox, ManagerOf<&TiPlotMasterManager::DataViewManager>},
    {&TiPlotEditorForm::ChannelListBox, ManagerOf<&TiPlotMasterManager::ChannelManager>},
    {&TiPlotEditorForm::DataCursorListBox, ManagerOf<&TiPlotMasterManager::DataCursorManager>},
    {&TiPlotEditorForm::LimitListBox, ManagerOf<&TiPlotMasterManager::LimitManager>},
    {&TiPlotEditorForm::LabelListBox, ManagerOf<&TiPlotMasterManager::LabelManager>},
};

// The start folders of the "Control" page's file pickers.
void SetPickerFolders(TiPlotEditorForm *Form, const TiPlotComponent *Plot)
{
    const std::pair<const char *, const QString &> folders[] = {
        {"ControlProperties", Plot->DefaultPropertyDirectory()},
        {"ControlData", Plot->DefaultDataDirectory()},
        {"ControlAnnotation", Plot->DefaultAnnotationDirectory()}};
    for (const auto &[stem, folder] : folders) {
        const QString name = QString::fromLatin1(stem);
        if (auto *save = Form->Control<TiComponentEditorSavePicker>(name + QStringLiteral("SavePicker")))
            save->SetDefaultDir(folder);
        if (auto *open = Form->Control<TiComponentEditorOpenPicker>(name + QStringLiteral("OpenPicker")))
            open->SetDefaultDir(folder);
    }
}

}  // namespace

// ---- The form -----------------------------------------------------------------------------------

TiPlotEditorLink *TiPlotMasterManager::EnsureEditorForm()
{
    if (FEditorForm)
        return FEditorForm;
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot)
        return nullptr;
    auto *form = new TiPlotEditorForm(plot);
    form->SetFormTranslationMethod(TFormTranslationMethod(this, &TiPlotMasterManager::TranslateForm));
    form->OnClose = TCloseEvent(this, &TiPlotMasterManager::EditorFormClose);
    form->Master = this;
    form->iPlotLayoutViewer->SetMaster(this);
    form->iPlotLayoutViewer->SetLayoutManager(FLayoutManager);
    form->iPlotLayoutViewer->SetTranslationManager(FTranslationManager);
    FEditorForm = form;

    for (const ListSource &source : ListSources) {
        TiComponentEditorListBox *list = form->*source.List;
        TiPlotObjectManagerCustom *manager = source.Manager(*this);
        if (!list || !manager)
            continue;
        for (int i = 0; i < manager->Count(); ++i)
            list->Items()->AddObject(QString(), manager->Items(i));
        list->SetItemIndex(list->Count() > 0 ? 0 : -1);
    }
    form->UpdateAll();
    form->ResetChannelStats();

    for (std::size_t i = 0; i < std::size(RememberedPageControls); ++i) {
        auto *pages = form->Control<TPageControl>(QString::fromLatin1(RememberedPageControls[i]));
        if (pages && FPageIndices[i] >= 0)
            iSetActivePageIndex(pages, FPageIndices[i]);
    }
    const bool addRemove = plot->UserCanAddRemoveChannels();
    form->iChannelAddButton->SetVisible(addRemove);
    form->ChannelRemoveButton->SetVisible(addRemove);
    TranslateForm(form);
    return form;
}

void TiPlotMasterManager::EditorFormClose(TObject *Sender, TCloseAction &Action)
{
    auto *form = dynamic_cast<TiPlotEditorForm *>(Sender);
    if (!form)
        return;
    form->iCustomEditorFormClose(Sender, Action);
    if (form != FEditorForm)
        return;
    RememberEditorPages();
    // A modal form is freed by EditProperties once its loop has returned. A stay-on-top form is
    // released: the framework destroys it after the close processing that runs this handler.
    if (form->FormState().Contains(fsModal))
        return;
    Action = caFree;
    FReleasedEditorForms.push_back(std::exchange(FEditorForm, nullptr));
}

void TiPlotMasterManager::EditorFormDestroyed(TiPlotEditorLink *Form)
{
    if (FEditorForm == Form)
        FEditorForm = nullptr;
    std::erase(FReleasedEditorForms, Form);
}

void TiPlotMasterManager::FreeEditorForms()
{
    delete std::exchange(FEditorForm, nullptr);
    for (TiPlotEditorLink *form : std::exchange(FReleasedEditorForms, {}))
        delete form;
}

void TiPlotMasterManager::RememberEditorPages()
{
    auto *form = dynamic_cast<TiPlotEditorForm *>(FEditorForm);
    if (!form)
        return;
    for (std::size_t i = 0; i < std::size(RememberedPageControls); ++i)
        if (auto *pages = form->Control<TPageControl>(QString::fromLatin1(RememberedPageControls[i])))
            FPageIndices[i] = iGetActivePageIndex(pages);
}

// ---- Opening ------------------------------------------------------------------------------------

void TiPlotMasterManager::EditHandler(TObject *Sender)
{
    auto *form = dynamic_cast<TiPlotEditorForm *>(EnsureEditorForm());
    if (!form)
        return;
    if (auto *object = dynamic_cast<TiPlotObject *>(Sender))
        form->ShowObject(object);
    EditProperties();
}

void TiPlotMasterManager::EditProperties()
{
    auto *form = dynamic_cast<TiPlotEditorForm *>(EnsureEditorForm());
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!form || !plot)
        return;
    // Running modally already (opened again from code): it is the one the user works in.
    if (form->FormState().Contains(fsModal))
        return;
    const bool modal = plot->EditorFormStyle() == ipfsModal;
    auto freeModal = [this, form, modal] {
        if (!modal)
            return;
        if (FEditorForm == form)
            FEditorForm = nullptr;
        delete form;
    };
    try {
        form->UpdateAll();
        form->PlotComponent = FOwner;
        form->LoadRows(iControlPageRows, plot);
        SetPickerFolders(form, plot);
        form->UpdateControlLogControls();
        form->SetBounds(Screen->Width() / 2 - form->Width() / 2, Screen->Height() / 2 - form->Height() / 2,
                        form->Width(), form->Height());
        if (plot->OnAfterOpenEditor)
            plot->OnAfterOpenEditor(this);
        if (modal) {
            form->SetFormStyle(fsNormal);
            form->ShowModal();
        } else {
            form->SetFormStyle(fsStayOnTop);
            form->Show();
        }
        RememberEditorPages();
    } catch (...) {
        freeModal();
        throw;
    }
    freeModal();
}

void TiPlotMasterManager::BasicPropertyChanged()
{
    auto *form = dynamic_cast<TiPlotEditorForm *>(FEditorForm);
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!form || form->IsClosing() || !plot)
        return;
    form->StoreRows(iControlPageRows, plot);
    form->UpdateControlLogControls();
}
