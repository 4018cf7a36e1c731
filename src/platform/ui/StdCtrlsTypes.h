#pragma once
// Enumerations shared by the standard controls: text alignment and layout, character case of
// edits, scroll bars, bevels, check states, combo and list box styles and the owner-draw state.

#include "platform/ui/Controls.h"
#include "platform/runtime/Set.h"

#include <QString>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;  // taLeftJustify or taRightJustify
// The widget direction that puts a check box's or radio button's caption where `alignment` says:
// taLeftJustify shows the caption left of the box.
inline Qt::LayoutDirection CaptionDirection(TLeftRight alignment)
{
    return alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

// Edits, memos, list boxes, panels and scroll boxes take TBorderStyle (Controls.h): bsNone or bsSingle.

enum TOwnerDrawStateItem {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
    odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Published names of the enumerations (form definitions).
#define T_ALIGNMENT_NAMES {"taLeftJustify", "taRightJustify", "taCenter"}
#define T_BORDERSTYLE_NAMES {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}
#define T_BEVELCUT_NAMES {"bvNone", "bvLowered", "bvRaised", "bvSpace"}
#define T_SCROLLSTYLE_NAMES {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}
