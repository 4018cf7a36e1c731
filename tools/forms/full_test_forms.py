#!/usr/bin/env python3
"""The test form with every control of the channel pages: the equaliser form's six channel pages
and other pages, and beside them the controls of the Gain, Delay, Matrix and Comp test forms and
the preset number and name labels and the link button, each name once. The refresh from the device model needs all of
them on one form.

    tools/forms/full_test_forms.py            writes tests/pages/forms/PageTestFull.dfm
    tools/forms/full_test_forms.py --check    exits 1 when the committed file differs
"""

import argparse
import sys

from eq_test_forms import PAGE_HEIGHT, eq_form
from pages_test_forms import (PAGE_BACK, Obj, bounds, button, channel_parameters, comp_page, delay_form,
                              gain_column, label, matrix_form, write_or_check)

FILE = "PageTestFull.dfm"
MORE_HEIGHT = 1200


def names_of(obj, seen):
    seen.add(obj.name.lower())
    for child in obj.children:
        names_of(child, seen)


def unique(objs, seen):
    """The objects whose names are new; a box whose name is taken comes again under another name,
    so that its button groups stay within it and its paint handler still paints it."""
    out = []
    for obj in objs:
        if obj.name.lower() in seen:
            if not obj.children:
                continue
            obj = Obj("plMore" + obj.name, obj.cls, dict(obj.props), obj.children)
        obj.children = unique(obj.children, seen)
        seen.add(obj.name.lower())
        out.append(obj)
    return out


def panel(name, top, children):
    props = bounds(0, top, 1112, MORE_HEIGHT)
    props.update({"BevelOuter": "bvNone", "Color": PAGE_BACK, "ParentBackground": False})
    return Obj(name, "TPanel", props, children)


def full_form():
    form = eq_form()
    seen = set()
    names_of(form, seen)
    seen.discard(form.name.lower())
    more = [label("lbPstNum", 8, 4, "F00"), label("lbPstName", 60, 4, ""),
            button("rzbMenuLink", 1000, 4, "OffLine", 0, width=70)]
    more += [gain_column(c) for c in range(6)]
    more += [channel_parameters(c) for c in range(6)]
    pages = delay_form().children + matrix_form().children + comp_page()
    more += [obj for obj in pages if obj.name != "rzgFunction"]
    top = PAGE_HEIGHT * 7
    form.children += [panel("plPageMore", top, unique(more, seen))]
    form.props = [(k, MORE_HEIGHT + top if k == "ClientHeight" else v) for k, v in form.props]
    return form


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed file instead of writing")
    args = parser.parse_args()
    return write_or_check(FILE, "\n".join(full_form().lines()) + "\n", "full_test_forms.py", args.check)


if __name__ == "__main__":
    sys.exit(main())
