#pragma once
// TfmRs232CodeEnglish: the viewer of the English document on the processor's control codes.
// Its behaviour is TfmRs232CodeDoc's; the document and its pictures come with its form.

#include "dialogs/FRs232CodeDoc.h"

class TfmRs232CodeEnglish : public TfmRs232CodeDoc {
    T_DECLARE_CLASS(TfmRs232CodeEnglish, TfmRs232CodeDoc)
    explicit TfmRs232CodeEnglish(TComponent *AOwner);
};

extern TfmRs232CodeEnglish *fmRs232CodeEnglish;
