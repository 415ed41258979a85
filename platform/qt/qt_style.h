// The look of the layer's controls: the application's own style, with the
// sizes and the focus mark of the dialogs the templates were laid out for.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QPushButton>

// Narrow button margins and check-box spacing, so that captions fit the
// template sizes.
class LayerStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

// The font a push button draws a caption in that is wider than width: the
// same font, narrowed just enough; a caption that fits keeps the font.
QFont FittedCaptionFont(const QFont& font, const QString& text, int width);

// Controls that show the keyboard focus with a dotted frame whenever they
// have it; styles differ on whether (and when) they draw one.
class LayerPushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An auto check box whose mark the core sets: a click is only reported.
class LayerCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;
};

// A group box whose frame runs through the middle of its title, so that the
// controls a template puts just below the title clear the frame.
class LayerGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
