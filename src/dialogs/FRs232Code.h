#pragma once
// TfmRs232Code: the viewer of the Simplified Chinese document on the processor's control codes.
// Its behaviour is TfmRs232CodeDoc's; the document and its pictures come with its form.

#include "dialogs/FRs232CodeDoc.h"

class TfmRs232Code : public TfmRs232CodeDoc {
    T_DECLARE_CLASS(TfmRs232Code, TfmRs232CodeDoc)
    explicit TfmRs232Code(TComponent *AOwner);
};

extern TfmRs232Code *fmRs232Code;
