// The look of the layer's controls: the application's own style, with the
// sizes and the focus mark of the dialogs the templates were laid out for.
#pragma once

#include <QGroupBox>
#include <QProxyStyle>

// Narrow button margins and check-box spacing, so that captions fit the
// template sizes; a dotted focus frame on whatever has the keyboard focus,
// drawn whenever the focus is there (not only after a Tab).
class LayerStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// A group box whose frame runs through the middle of its title, so that the
// controls a template puts just below the title clear the frame.
class LayerGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
