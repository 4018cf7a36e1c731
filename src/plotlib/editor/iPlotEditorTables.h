#pragma once
// The tables the plot editor's pages are loaded and stored by (iPlotEditorTables.cpp, written by
// tools/forms/plot_editor_form.py together with the form definition TiPlotEditorForm):
//  - a row names an editing control of the form, the published property of the edited object it
//    shows and how it shows it; a page's rows come in the order the page stores them;
//  - a page's controls are every control enabled and disabled together with the page: its
//    editing controls with their arrows and value pickers, its group boxes, buttons and file
//    pickers, its list and its remove button (not its add button, captions or tabs).
// The rows reach the objects by property name only, so an object kind that publishes more
// properties needs no change here.

#include <span>

// How a control shows its property.
enum class TiEditorKind {
    Text,          // an edit box, the property's text
    Integer,       // an edit box, an integer
    Number,        // an edit box, a floating-point number
    Check,         // a check box, a Boolean
    List,          // a combo box of fixed items, the item index (an enumeration's ordinal)
    EditableList,  // a combo box with free text, the text
    NameList,      // a combo box of object names, the chosen text
    Radio,         // a radio group, the item index
    Colour,        // a colour picker
    Font,          // a font picker, the property's font assigned from it
};

struct TiEditorRow {
    const char *Control;
    const char *Property;
    TiEditorKind Kind;
};

struct TiEditorPageTable {
    std::span<const TiEditorRow> Rows;
    std::span<const char *const> Controls;
};

extern const TiEditorPageTable iToolBarPageTable;
extern const TiEditorPageTable iLegendPageTable;
extern const TiEditorPageTable iTablePageTable;
extern const TiEditorPageTable iXAxisPageTable;
extern const TiEditorPageTable iYAxisPageTable;
extern const TiEditorPageTable iDataViewPageTable;
extern const TiEditorPageTable iChannelPageTable;
extern const TiEditorPageTable iDataCursorPageTable;
extern const TiEditorPageTable iLimitPageTable;
extern const TiEditorPageTable iLabelPageTable;
// The rows of a strip chart channel only, stored after the channel page's own.
extern const std::span<const TiEditorRow> iChannelStripRows;
// The tab sheets of the channel page that only strip chart channels use.
extern const std::span<const char *const> iChannelStripTabs;
// The "Control" page against the plot's properties, in the order they are written.
extern const std::span<const TiEditorRow> iControlPageRows;
// The "Title" tab's controls against label 0's properties.
extern const std::span<const TiEditorRow> iTitleLabelRows;
