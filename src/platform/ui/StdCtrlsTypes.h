#pragma once
// Enumerations shared by the standard controls: text alignment and layout, character case of
// edits, scroll bars, bevels, check states, combo and list box styles and the owner-draw state.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Controls.h"
#include "platform/runtime/Set.h"

#include <QString>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
inline constexpr auto AlignmentNames = EnumNames<TAlignment>("taLeftJustify", "taRightJustify", "taCenter");
using TLeftRight = TAlignment;  // taLeftJustify or taRightJustify
// The widget direction that puts a check box's or radio button's caption where `alignment` says:
// taLeftJustify shows the caption left of the box.
inline Qt::LayoutDirection CaptionDirection(TLeftRight alignment)
{
    return alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
inline constexpr auto VerticalAlignmentNames =
    EnumNames<TVerticalAlignment>("taAlignTop", "taAlignBottom", "taVerticalCenter");
enum TTextLayout { tlTop, tlCenter, tlBottom };
inline constexpr auto TextLayoutNames = EnumNames<TTextLayout>("tlTop", "tlCenter", "tlBottom");
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
inline constexpr auto EditCharCaseNames = EnumNames<TEditCharCase>("ecNormal", "ecUpperCase", "ecLowerCase");
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline constexpr auto ScrollStyleNames = EnumNames<TScrollStyle>("ssNone", "ssHorizontal", "ssVertical", "ssBoth");
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr auto BevelCutNames = EnumNames<TBevelCut>("bvNone", "bvLowered", "bvRaised", "bvSpace");
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
inline constexpr auto CheckBoxStateNames = EnumNames<TCheckBoxState>("cbUnchecked", "cbChecked", "cbGrayed");
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
inline constexpr auto ComboBoxStyleNames =
    EnumNames<TComboBoxStyle>("csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable");
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
inline constexpr auto ListBoxStyleNames = EnumNames<TListBoxStyle>(
    "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual", "lbVirtualOwnerDraw");

// Edits, memos, list boxes, panels and scroll boxes take TBorderStyle (Controls.h): bsNone or bsSingle.

enum TOwnerDrawStateItem {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
    odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
