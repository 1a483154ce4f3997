#pragma once

#include <QWidget>

class QTabBar;
class QStyleOptionTabWidgetFrame;

namespace tarnwick {

// A row of tabs over a framed display area. The pages are not its children:
// they are panels of the same window, and whoever owns the strip moves the
// panel of the picked tab onto the display area and raises it.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    // A "&" in the caption gives the tab its Alt key.
    int addTab(const QString &caption);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar *tabBar() const { return bar_; }

    // The area inside the frame below the tabs, in the strip's own pixels.
    QRect displayArea() const;

    QSize sizeHint() const override;

signals:
    // The user picked another tab (0-based); not sent for setCurrentIndex.
    void Click(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void frameOption(QStyleOptionTabWidgetFrame *option) const;
    void placeBar();

    QTabBar *bar_;
    bool settingIndex_ = false;
};

// A page shown through a tab strip. It covers what lies behind it, but only
// within the strip's display area, so that a page a little larger than that
// area leaves the strip's frame in sight.
class TabPage : public QWidget
{
    Q_OBJECT
public:
    explicit TabPage(QWidget *parent = nullptr);
    void setStrip(const TabStrip *strip) { strip_ = strip; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TabStrip *strip_ = nullptr;
};

} // namespace tarnwick
