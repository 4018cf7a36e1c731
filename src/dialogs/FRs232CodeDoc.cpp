#include "dialogs/FRs232CodeDoc.h"

#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvOfficeImage.h"
#include "widgets/graphics/rtflabel.h"

T_IMPLEMENT_CLASS(TfmRs232CodeDoc)
{
    using C = TfmRs232CodeDoc;
    b.Field("RTFLabel", &C::RTFLabel);
    b.Field("AdvOfficeImage1", &C::AdvOfficeImage1);
    b.Field("AdvOfficeImage2", &C::AdvOfficeImage2);
    b.Field("AdvOfficeImage3", &C::AdvOfficeImage3);
    b.Field("AdvOfficeImage4", &C::AdvOfficeImage4);
    b.Field("AdvOfficeImage5", &C::AdvOfficeImage5);
    b.Field("AdvOfficeImage6", &C::AdvOfficeImage6);
    b.Field("AdvOfficeImage7", &C::AdvOfficeImage7);
    b.Field("AdvOfficeImage8", &C::AdvOfficeImage8);
    b.Field("AdvOfficeImage9", &C::AdvOfficeImage9);
    b.Field("AdvOfficeImage10", &C::AdvOfficeImage10);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("FormResize", &C::FormResize);
    b.Handler("FormKeyDown", &C::FormKeyDown);
    b.Handler("FormMouseWheelUp", &C::FormMouseWheelUp);
    b.Handler("FormMouseWheelDown", &C::FormMouseWheelDown);
    b.Handler("FormClose", &C::FormClose);
}

TfmRs232CodeDoc::TfmRs232CodeDoc(TComponent *AOwner) : TForm(AOwner) {}

std::array<TAdvOfficeImage *, TfmRs232CodeDoc::Pictures> TfmRs232CodeDoc::Images() const
{
    return {AdvOfficeImage1, AdvOfficeImage2, AdvOfficeImage3, AdvOfficeImage4, AdvOfficeImage5,
            AdvOfficeImage6, AdvOfficeImage7, AdvOfficeImage8, AdvOfficeImage9, AdvOfficeImage10};
}

void TfmRs232CodeDoc::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_RS232_CODE"}});
}

void TfmRs232CodeDoc::FormResize(TObject *)
{
    // The form's fields are set only once its definition has been read.
    if (!RTFLabel)
        return;
    const int left = Width() >= CentredFromWidth ? DocumentLeft + (Width() - CentredFromWidth) / 2 : DocumentLeft;
    RTFLabel->SetLeft(left);
    for (TAdvOfficeImage *image : Images())
        if (image)
            image->SetLeft(RTFLabel->Left());
}

void TfmRs232CodeDoc::FormKeyDown(TObject *, WORD &Key, TShiftState)
{
    TControlScrollBar *vertical = VertScrollBar();
    TControlScrollBar *horizontal = HorzScrollBar();
    switch (Key) {
    case VK_PRIOR: vertical->SetPosition(vertical->Position() - Height()); break;
    case VK_NEXT: vertical->SetPosition(vertical->Position() + Height()); break;
    case VK_UP: vertical->SetPosition(vertical->Position() - ScrollStep); break;
    case VK_DOWN: vertical->SetPosition(vertical->Position() + ScrollStep); break;
    case VK_LEFT: horizontal->SetPosition(horizontal->Position() - ScrollStep); break;
    case VK_RIGHT: horizontal->SetPosition(horizontal->Position() + ScrollStep); break;
    default: break;
    }
}

void TfmRs232CodeDoc::FormMouseWheelUp(TObject *, TShiftState, TPoint, bool &Handled)
{
    VertScrollBar()->SetPosition(VertScrollBar()->Position() - ScrollStep);
    Handled = true;
}

void TfmRs232CodeDoc::FormMouseWheelDown(TObject *, TShiftState, TPoint, bool &Handled)
{
    VertScrollBar()->SetPosition(VertScrollBar()->Position() + ScrollStep);
    Handled = true;
}

void TfmRs232CodeDoc::FormClose(TObject *, TCloseAction &)
{
    SetHeight(ClosedHeight);
    SetWidth(ClosedWidth);
    SetWindowState(wsNormal);
}
