#pragma once

#include <QStackedLayout>

namespace kitbench {

// The layout of the wizard's pages: one on view, measured alone. QStackedLayout asks every page for
// its sizes on each layout pass, and each word-wrapped caption of 22 pages is laid out afresh for
// that: a quarter of the wizard's start-up. The pages on the shelf have no say in the window's size
// anyway, which keeps a minimum of its own.
class PageStackLayout : public QStackedLayout
{
public:
    using QStackedLayout::QStackedLayout;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

private:
    QLayoutItem* currentItem() const { return itemAt(currentIndex()); }
};

} // namespace kitbench
