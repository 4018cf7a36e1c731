#include "curves/PaintPage.h"

#include <algorithm>

TPaintPage::TPaintPage() : bitmap_(std::make_unique<TBitmap>())
{
    GdiplusStartup(&token_, &startupInput_, nullptr);
}

TPaintPage::~TPaintPage()
{
    GdiplusShutdown(token_);
}

void TPaintPage::Place(int left, int top, int right, int bottom)
{
    const int width = std::max(0, right - left);
    const int height = std::max(0, bottom - top);
    bitmap_->SetSize(width, height);
    pageRect_ = TRect(0, 0, width, height);
    screenRect_ = TRect(left, top, left + width, top + height);
}

void TPaintPage::SetBitmapWidth(int width)
{
    bitmap_->SetWidth(std::max(0, width));
}

void TPaintPage::Clear(TColor colour)
{
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(colour);
    c->FillRect(pageRect_);
}

void TPaintPage::SetFont(TFont *font)
{
    Canvas()->SetFont(font);
}
