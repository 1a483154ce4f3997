#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <utility>

namespace tarnwick {

// 1440 twips to the logical inch: 15 twips per pixel at 96 dpi.
class TwipsScale
{
public:
    static constexpr float TwipsPerInch = 1440.0f;

    explicit TwipsScale(float twipsPerPixel = 15.0f) : perPixel_(twipsPerPixel) {}
    static TwipsScale forScreenDpi(qreal logicalDpi);
    static TwipsScale forWidget(const QWidget *widget);

    float twipsPerPixel() const { return perPixel_; }
    int toPixels(float twips) const;
    float toTwips(int pixels) const { return float(pixels) * perPixel_; }

private:
    float perPixel_;
};

// Position and size of a control in twips. The values are kept exactly as set
// and converted to pixels only when applied, so a width read back is the
// width that was written, not a rounded pixel count.
struct TwipsRect
{
    float left = 0, top = 0, width = 0, height = 0;
    QRect toPixels(const TwipsScale &scale) const;
    bool operator==(const TwipsRect &) const = default;
};

// The geometry side of a control: Left, Top, Width, Height in twips. A negative
// width or height is refused: the setter reports failure and nothing changes.
class TwipsControlBase
{
public:
    explicit TwipsControlBase(const TwipsScale *scale) : scale_(scale) {}

    float Left() const { return rect_.left; }
    float Top() const { return rect_.top; }
    float Width() const { return rect_.width; }
    float Height() const { return rect_.height; }
    TwipsRect rect() const { return rect_; }

    bool setLeft(float v);
    bool setTop(float v);
    bool setWidth(float v);
    bool setHeight(float v);
    bool move(float left, float top, float width, float height);

    bool Visible() const;
    void setVisible(bool on);
    bool isLoaded() const { return widget() != nullptr; }

    virtual QWidget *widget() const = 0;

protected:
    ~TwipsControlBase() = default;
    void setRectRaw(const TwipsRect &r) { rect_ = r; }
    void apply() const;

private:
    const TwipsScale *scale_;
    TwipsRect rect_;
};

// A child control of a window: the widget (gone once the window is closed)
// together with its twips geometry.
template <class W> class Control : public TwipsControlBase
{
public:
    explicit Control(const TwipsScale *scale) : TwipsControlBase(scale) {}

    // Attaches a freshly built widget and gives it the design geometry.
    void attach(W *w, const TwipsRect &design)
    {
        widget_ = w;
        setRectRaw(design);
        apply();
    }
    void detach() { widget_ = nullptr; }

    W *get() const { return widget_; }
    W *operator->() const { return widget_; }
    QWidget *widget() const override { return widget_; }

private:
    QPointer<W> widget_;
};

// Places `w` at `design`, a rectangle in its parent as the design draws it,
// left to right: mirrored, by the parent's width, where the parent is laid
// out right to left (a language written that way), so every window mirrors
// by this one rule.
void placeByDirection(QWidget *w, const QRect &design);
// Places again every child placed by placeByDirection: a mirrored child's
// place follows its parent's width.
void placeChildrenByDirection(QWidget *parent);

// A control array: N controls of one kind, indexed from 0.
template <class W, size_t N> std::array<Control<W>, N> controlArray(const TwipsScale *scale)
{
    return [scale]<size_t... I>(std::index_sequence<I...>)
    {
        return std::array<Control<W>, N>{((void)I, Control<W>(scale))...};
    }
    (std::make_index_sequence<N>{});
}

} // namespace tarnwick
