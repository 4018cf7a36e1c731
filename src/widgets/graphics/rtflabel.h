#pragma once
// TRTFLabel: a windowless label showing a rich-text (RTF) document. RichText keeps the document as
// text with one byte of the RTF file in the low 8 bits of each character (the high bits are never
// looked at). Every paint hands those bytes to a hidden rich edit it owns (TRichEdit), which has
// the label's parent as its parent only while it works, and lets it render the document into the
// label's canvas with EM_FORMATRANGE: a 1-pixel margin, the rectangle in twips at the canvas's
// resolution, the label's Color behind the text (the parent's colour when Transparent).
//
// Rules a caller must know:
//  - Nothing is cached: each paint reloads and lays out the whole document.
//  - Filling from code: BeginUpdate, fill the rich edit that RTF gives, EndUpdate. The outermost
//    EndUpdate captures the rich edit's document into RichText (ShowRTF) and repaints; an
//    EndUpdate without BeginUpdate does nothing. While BeginUpdate is in force a paint draws only
//    the label's background; a paint started from inside a paint draws nothing more.
//  - WordWrap written while the form is read does not reach the rich edit (Loaded turns wrapping
//    off); written later it does.
//  - Nothing is drawn while the label has no parent with a window. Bytes that are no RTF show as
//    whatever plain text they make; no error is reported. The rich edit is invisible from the
//    start, so parenting it never shows it, whether or not the label was read from a form.
//  - Print goes to the program's printer (Printers.h); its failures raise EPrinter.

#include <QString>

#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

class TRTFLabel : public TCustomLabel {
    T_DECLARE_CLASS(TRTFLabel, TCustomLabel)
    explicit TRTFLabel(TComponent *AOwner);
    ~TRTFLabel() override;

    const QString &RichText() const { return FRichtext; }
    // Stores the text; nothing else happens.
    void SetRichText(const QString &value) { FRichtext = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // "1.3.1.0"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}
    virtual int GetVersionNr() const;

    // The hidden rich edit, parented to the label's parent and emptied (its selection attributes
    // back to its default ones) when that parent has a window; nullptr without a parent.
    TRichEdit *RTF();

    void Loaded() override;
    void BeginUpdate() { ++Fupdatecount; }
    void EndUpdate();
    // Captures the rich edit's document into RichText and repaints (only with a parent window).
    void ShowRTF();
    // Captures the document of any rich edit into RichText, then repaints.
    void CopyFromRichEdit(TRichEdit *richEdit);
    // Loads RichText into any rich edit as rich text.
    void CopyToRichEdit(TRichEdit *richEdit);
    // Prints the document through the rich edit as a job titled `caption` (only with a parent
    // window).
    void Print(const QString &caption);
    // Renders the document into the canvas over the label's client rectangle.
    using TCustomLabel::PaintTo;
    void PaintTo(TCanvas *canvas);

protected:
    void Paint() override;

private:
    // Loads RichText into the rich edit and lets it draw into `r` of the canvas.
    void Render(TCanvas *canvas, const TRect &r);
    // Gives the rich edit the label's parent (or none).
    void Attach(bool on);
    // RichText from the document of the rich edit.
    void Capture(TRichEdit *richEdit);
    bool ParentWindowExists() const { return Parent() && Parent()->HandleAllocated(); }

    TRichEdit *FRichedit = nullptr;  // owned as a component of the label
    QString FRichtext;
    int Fupdatecount = 0;
    bool FWordWrap = false;
    bool FPainting = false;
};

// The rich edit's rendering rectangle in twips for the pixel rectangle `r` at dpiX x dpiY pixels
// per inch: a 1-pixel margin at the top left, the rest of the rectangle less one pixel.
TRect RichTextTwips(const TRect &r, int dpiX, int dpiY);
