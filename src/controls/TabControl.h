#pragma once

#include <QList>
#include <QWidget>

class TabButton;

// A tabbed control whose tabs stand in a given number of rows. Each tab owns a
// page: a child widget that the caller places, shown only while its tab is
// selected. Every change of the selection, by the user or in code, ends with
// Click(previousTab).
class TabControl : public QWidget
{
    Q_OBJECT

public:
    TabControl(int tabCount, int tabsPerRow, int tabHeightPixels, QWidget* parent = nullptr);

    int tabCount() const { return int(tabs.size()); }
    int rowCount() const { return (tabCount() + tabsPerRow - 1) / tabsPerRow; }
    int tabsInRow() const { return tabsPerRow; }
    int tabHeight() const { return tabHeightPixels; }

    void setTabCaption(int index, const QString& caption);
    QString tabCaption(int index) const;
    TabButton* tabButton(int index) const;

    // When on, each tab of a row is as wide as its caption needs and the rest is
    // shared out, so long captions stay on one line; a row whose captions do not
    // fit that way falls back to equal widths.
    void setTabWidthsFollowCaptions(bool follow);

    // Hands the page of a tab to the control; the page is reparented but keeps its geometry.
    void setPage(int index, QWidget* page);
    QWidget* page(int index) const;

    // Colours of the tabs that are not selected; the pages keep their own.
    void setTabColours(const QColor& face, const QColor& text);

    int selectedIndex() const { return selected; }
    // Out-of-range indexes are ignored.
    void setSelectedIndex(int index);

Q_SIGNALS:
    void Click(int previousTab);

protected:
    // Ctrl+Tab and Ctrl+Page Down select the next tab, Ctrl+Shift+Tab and
    // Ctrl+Page Up the previous one, round the ends, from anywhere on the control.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Selects a tab; focusTab also gives it the focus, before the old page is hidden, so the
    // focus never falls to whatever follows that page.
    void selectTab(int index, bool focusTab);
    // The part of the control's width inside its parent, where the tab rows stand.
    int rowWidth() const;
    void layoutTabs();
    void showSelectedPage();

    int tabsPerRow;
    int tabHeightPixels;
    int selected = 0;
    bool widthsFollowCaptions = false;
    QList<TabButton*> tabs;
    QList<QWidget*> pages;
};
