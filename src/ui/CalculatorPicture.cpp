#include "ui/CalculatorPicture.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <memory>
#include <optional>

namespace vokta::ui {

void PaintCalculator(QPainter& p, const QRectF& body) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = body.width() / 20.0;  // every part below is laid out in twentieths of the width
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(255, 230, 80));
    shade.setColorAt(1, QColor(230, 180, 20));
    p.setPen(QPen(QColor(120, 90, 0), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(body, unit * 1.2, unit * 1.2);

    // Solar cell at the top right, display below it.
    const QRectF cell(body.right() - unit * 9, body.top() + unit * 1.2, unit * 7.8, unit * 2.2);
    p.setPen(QPen(QColor(40, 30, 20), 1));
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(cell);
    p.setPen(QPen(QColor(150, 110, 80), 0.8));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(cell.left() + cell.width() * i / 4, cell.top()),
                   QPointF(cell.left() + cell.width() * i / 4, cell.bottom()));

    const QRectF display(body.left() + unit * 1.2, cell.bottom() + unit * 1.0, body.width() - unit * 2.4,
                         unit * 3.6);
    p.setPen(QPen(QColor(30, 60, 30), 1.2));
    p.setBrush(QColor(150, 200, 130));
    p.drawRect(display);
    QFont digits(QStringLiteral("Liberation Mono"));
    digits.setPixelSize(int(unit * 2.4));
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(QColor(30, 60, 30));
    p.drawText(display.adjusted(unit * 0.4, 0, -unit * 0.4, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0."));
    // The eight digit places, faintly.
    p.setPen(QPen(QColor(120, 170, 100), 0.8));
    for (int i = 0; i < 8; ++i) {
        const qreal x = display.left() + unit * 0.6 + i * (display.width() - unit * 1.2) / 8;
        p.drawLine(QPointF(x + unit * 0.3, display.bottom() - unit * 0.5),
                   QPointF(x + unit * 1.6, display.bottom() - unit * 0.5));
    }

    // Keys: five columns, six rows.
    static const char* const keys[6][5] = {{"MC", "MR", "M\u2212", "M+", "\u00F7"},
                                           {"%", "7", "8", "9", "x"},
                                           {"\u221A", "4", "5", "6", "\u2212"},
                                           {"C", "1", "2", "3", "+"},
                                           {"AC", "0", ".", "=", ""},
                                           {"", "", "", "", ""}};
    const QRectF pad(body.left() + unit * 1.2, display.bottom() + unit * 1.4, body.width() - unit * 2.4,
                     body.bottom() - display.bottom() - unit * 2.6);
    const int rows = 5;
    const qreal kw = pad.width() / 5, kh = pad.height() / rows;
    QFont keyFont(QStringLiteral("Liberation Sans"));
    keyFont.setPixelSize(qMax(6, int(kh * 0.36)));
    keyFont.setBold(true);
    p.setFont(keyFont);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QString label = QString::fromUtf8(keys[r][c]);
            if (label.isEmpty()) continue;
            QRectF key(pad.left() + c * kw + kw * 0.1, pad.top() + r * kh + kh * 0.12, kw * 0.8, kh * 0.76);
            if (label == "+") key.setBottom(pad.top() + (r + 1) * kh + kh * 0.88);  // the tall plus key
            const bool function = c == 0 || c == 4 || r == 0;
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(label == "AC" || label == "C" ? QColor(200, 60, 40)
                                                     : (function ? QColor(90, 90, 100) : QColor(60, 60, 60)));
            p.drawRoundedRect(key, kw * 0.12, kw * 0.12);
            if (kh < 10) continue;  // an icon's keys are too small to carry a legible label
            p.setPen(Qt::white);
            p.drawText(key, Qt::AlignCenter, label);
        }
    }
    p.restore();
}

namespace {

constexpr int kIconSides[] = {16, 24, 32, 48, 64, 128, 256};

// The calculator at every icon size, painted the first time a window system or a window asks for the
// icon rather than at start-up, where painting seven sizes with their key labels cost as much as the
// rest of the start together. Until then the icon names its sizes without painting any.
class CalculatorIconEngine : public QIconEngine {
public:
    CalculatorIconEngine() : icon_(std::make_shared<std::optional<QIcon>>()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        if (mode != QIcon::Normal || state != QIcon::Off) return Icon().availableSizes(mode, state);
        QList<QSize> sizes;
        for (const int side : kIconSides) sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new CalculatorIconEngine(*this); }
    QString key() const override { return QStringLiteral("vokta-calculator"); }

private:
    const QIcon& Icon() {
        if (!*icon_) {
            QIcon icon;
            for (const int side : kIconSides) {
                QPixmap pixmap(side, side);
                pixmap.fill(Qt::transparent);
                QPainter painter(&pixmap);
                // The case keeps the main window's proportions, centred in the square.
                const qreal width = side * 0.6;
                PaintCalculator(painter, QRectF((side - width) / 2, side * 0.02, width, side * 0.96));
                painter.end();
                icon.addPixmap(pixmap);
            }
            *icon_ = icon;
        }
        return **icon_;
    }

    std::shared_ptr<std::optional<QIcon>> icon_;  // shared by the copies an icon makes of its engine
};

}  // namespace

QIcon ApplicationIcon() {
    return QIcon(new CalculatorIconEngine());
}

}  // namespace vokta::ui
