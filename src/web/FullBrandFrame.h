#pragma once

#include <QFrame>

class LinkLabel;

// The outreach band at the bottom of the main and result windows: two link
// labels on the same spot, of which only the one in front is seen and clicked.
class FullBrandFrame : public QFrame
{
    Q_OBJECT

public:
    static const char* const CobrandCaption;
    static const char* const FullBrandCaption;

    // Rectangles in pixels: the frame in its parent, the labels in the frame.
    FullBrandFrame(QWidget* parent, const QRect& frameRect, const QRect& labelRect);

    LinkLabel* lblCobrand() const { return cobrand; }
    LinkLabel* lblFullBrand() const { return fullBrand; }
    LinkLabel* frontLabel() const;

    // Brings one of the two labels to the front; the other is hidden behind it.
    void bringToFront(LinkLabel* label);

private:
    LinkLabel* cobrand;
    LinkLabel* fullBrand;
};
