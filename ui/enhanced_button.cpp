#include "ui/enhanced_button.h"

#include <QPainter>
#include <QPainterPath>

namespace tolvane {

EnhancedButton::EnhancedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void EnhancedButton::SetColors(std::optional<QColor> text, std::optional<QColor> back) {
    m_textColor = text;
    m_backColor = back;
    update();
}

void EnhancedButton::SetLeftArrow(bool on) {
    m_bLeftArrow = on;
    update();
}

void EnhancedButton::SetDisplayOnly(bool on) {
    m_bDisplayOnly = on;
    setCursor(on ? Qt::ArrowCursor : Qt::PointingHandCursor);
    update();
}

QSize EnhancedButton::sizeHint() const {
    return {120, 60};
}

void EnhancedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    qreal radius = std::min<qreal>(10.0, std::min(frame.width(), frame.height()) / 4.0);
    QPainterPath path;
    path.addRoundedRect(frame, radius, radius);

    bool pressed = isDown() && !m_bDisplayOnly;
    QColor ink = m_textColor.value_or(QColor(0x1B, 0x2A, 0x41));
    if (m_backColor) {
        painter.fillPath(path, pressed ? m_backColor->darker(120) : *m_backColor);
        painter.setPen(QPen(m_backColor->darker(140), 1.5));
    } else if (m_bDisplayOnly) {
        painter.fillPath(path, QColor(0xF4, 0xF6, 0xFA));
        painter.setPen(QPen(QColor(0x9A, 0xA8, 0xBC), 1.5));
    } else {
        QLinearGradient face(frame.topLeft(), frame.bottomLeft());
        face.setColorAt(0.0, pressed ? QColor(0xC9, 0xD6, 0xEA) : QColor(0xFD, 0xFE, 0xFF));
        face.setColorAt(1.0, pressed ? QColor(0xB0, 0xC2, 0xDE) : QColor(0xD9, 0xE3, 0xF1));
        painter.fillPath(path, face);
        painter.setPen(QPen(QColor(0x5A, 0x72, 0x96), 1.5));
    }
    painter.drawPath(path);

    QRectF textArea = frame.adjusted(6, 3, -6, -3);
    if (m_bLeftArrow) {
        qreal h = std::min(textArea.height() * 0.6, 22.0);
        qreal w = h * 1.3;
        QPointF tip(textArea.left() + 4, textArea.center().y());
        QPolygonF arrow;
        arrow << tip << QPointF(tip.x() + h / 2, tip.y() - h / 2)
              << QPointF(tip.x() + h / 2, tip.y() - h / 5) << QPointF(tip.x() + w, tip.y() - h / 5)
              << QPointF(tip.x() + w, tip.y() + h / 5) << QPointF(tip.x() + h / 2, tip.y() + h / 5)
              << QPointF(tip.x() + h / 2, tip.y() + h / 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xB3, 0x26, 0x1E));
        painter.drawPolygon(arrow);
        textArea.setLeft(tip.x() + w + 6);
    }

    // The caption's font grows with the button, within reason, and shrinks until it fits.
    QFont font = this->font();
    font.setBold(true);
    int pixelSize = std::clamp(static_cast<int>(frame.height() / 2.2), 12, 28);
    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (; pixelSize > 8; --pixelSize) {
        font.setPixelSize(pixelSize);
        QFontMetricsF metrics(font);
        QRectF needed = metrics.boundingRect(textArea, flags, text());
        if (needed.width() <= textArea.width() + 0.5 &&
            needed.height() <= textArea.height() + 0.5) {
            break;
        }
    }
    painter.setFont(font);
    painter.setPen(isEnabled() ? ink : QColor(0x99, 0x99, 0x99));
    painter.drawText(textArea, flags, text());
}

}  // namespace tolvane
