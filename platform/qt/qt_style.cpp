#include "platform/qt/qt_style.h"

#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>
#include <algorithm>

#include "platform/qt/qt_window.h"

namespace {

// Sizes of the classic dialog controls at 96 dots per inch.
constexpr int ButtonMargin = 2;
constexpr int CheckBoxSide = 13;
constexpr int CheckBoxLabelSpacing = 3;

}  // namespace

int LayerStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    switch (metric) {
        case PM_ButtonMargin:
            return ButtonMargin;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return CheckBoxSide;
        case PM_CheckBoxLabelSpacing:
            return CheckBoxLabelSpacing;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

namespace {

void DrawFocusFrame(QWidget* widget, const QRect& rect) {
    QPainter painter(widget);
    QPen pen(widget->palette().color(QPalette::WindowText));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

constexpr int ButtonFocusInset = 3;

}  // namespace

namespace {

// The template's font is a stand-in for the one the layout was made for, and
// a little wider: a caption that would be cut at both ends is drawn narrower
// instead, at its own height, so the person reads all of it.
constexpr int NarrowestStretch = 50;

}  // namespace

QFont FittedCaptionFont(const QFont& font, const QString& text, int width) {
    QFont fitted = font;
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    if (needed > width && needed > 0) {
        fitted.setStretch(std::max(NarrowestStretch, 100 * std::max(width, 0) / needed));
    }
    return fitted;
}

void LayerPushButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(option.text) <= textArea.width()) {
        QPushButton::paintEvent(event);
    } else {
        const QString caption = option.text;
        option.text.clear();
        QStylePainter painter(this);
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setFont(FittedCaptionFont(font(), caption, textArea.width()));
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
    }
    if (hasFocus()) {
        DrawFocusFrame(this, rect().adjusted(ButtonFocusInset, ButtonFocusInset,
                                             -ButtonFocusInset, -ButtonFocusInset));
    }
}

void LayerCheckBox::paintEvent(QPaintEvent* event) {
    QCheckBox::paintEvent(event);
    if (hasFocus()) {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect label = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        const int textWidth = fontMetrics().horizontalAdvance(text()) + 2;
        DrawFocusFrame(this, QRect(label.left(), label.top(), std::min(label.width(), textWidth),
                                   label.height()));
    }
}

void LayerGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // An etched line: dark, with a light one inside it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    const QString text = StaticTextForDisplay(title().toUtf8().constData(), 0);
    if (text.isEmpty()) {
        return;
    }
    const int left = metrics.averageCharWidth();
    const QRect label(left, 0, metrics.horizontalAdvance(text) + 4, metrics.height());
    painter.fillRect(label, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, text);
}
