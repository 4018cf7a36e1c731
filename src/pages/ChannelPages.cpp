#include "pages/ChannelPages.h"

void ChannelPages::CopyClick(TObject *)
{
    pageHost_.ShowCopyDialog();
}
