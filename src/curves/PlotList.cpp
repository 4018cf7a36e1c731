#include "curves/PlotList.h"

TPlotList::~TPlotList()
{
    Clear();
}

bool TPlotList::Find(TPlotListMember *&member, int id) const
{
    for (member = head_.get(); member; member = member->Next.get())
        if (member->Id == id)
            return true;
    return false;
}

bool TPlotList::Store(const double *x, const double *y, int n, int id, TColor colour, TMyPlotStyle style)
{
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    TPlotListMember *m = nullptr;
    const bool existing = Find(m, id);
    if (!existing) {
        auto fresh = std::make_unique<TPlotListMember>();
        fresh->Id = id;
        fresh->Color = colour;
        fresh->Style = style;
        fresh->Next = std::move(head_);
        head_ = std::move(fresh);
        m = head_.get();
    }
    m->X.assign(x, x + count);
    m->Y.assign(y, y + count);
    m->Count = static_cast<int>(count);
    return existing;
}

bool TPlotList::Remove(int id)
{
    for (std::unique_ptr<TPlotListMember> *link = &head_; *link; link = &(*link)->Next)
        if ((*link)->Id == id) {
            *link = std::move((*link)->Next);
            return true;
        }
    return false;
}

void TPlotList::Clear()
{
    // Unlinked one by one so that a long list is not freed by deep recursion.
    while (head_)
        head_ = std::move(head_->Next);
}
