#include "shell/PageStack.h"

namespace kitbench {

QSize PageStackLayout::sizeHint() const
{
    const QLayoutItem* item = currentItem();
    return item ? item->sizeHint() : QSize(0, 0);
}

QSize PageStackLayout::minimumSize() const
{
    const QLayoutItem* item = currentItem();
    return item ? item->minimumSize() : QSize(0, 0);
}

bool PageStackLayout::hasHeightForWidth() const
{
    const QLayoutItem* item = currentItem();
    return item && item->hasHeightForWidth();
}

int PageStackLayout::heightForWidth(int width) const
{
    const QLayoutItem* item = currentItem();
    return item ? item->heightForWidth(width) : -1;
}

} // namespace kitbench
