// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/chart.h"

#include "odds/win_table.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace odds {
namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 1020;
const QColor kExact(0x2f, 0x6d, 0xb5);
const QColor kSimulated(0xd3, 0x42, 0x25);

// A plot area and the value range of its vertical axis.
struct Panel {
    QRectF area;
    double low;
    double high;
    bool logarithmic;

    double y(double value) const {
        const auto at = [this](double v) { return logarithmic ? std::log10(v) : v; };
        const double clamped = std::clamp(value, low, high);
        return area.bottom() - (at(clamped) - at(low)) / (at(high) - at(low)) * area.height();
    }
};

void frame(QPainter& p, const Panel& panel, const QString& title,
           const std::vector<double>& ticks) {
    p.setPen(Qt::black);
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    p.drawText(QPointF(panel.area.left(), panel.area.top() - 14), title);
    p.restore();
    p.setPen(QColor(0xcc, 0xcc, 0xcc));
    for (double t : ticks) {
        p.drawLine(QPointF(panel.area.left(), panel.y(t)), QPointF(panel.area.right(), panel.y(t)));
    }
    p.setPen(Qt::black);
    for (double t : ticks) {
        p.drawText(QRectF(panel.area.left() - 70, panel.y(t) - 9, 64, 18),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(t, 'g', 4));
    }
    p.drawRect(panel.area);
}

void whisker(QPainter& p, double x, double low, double mid, double high) {
    p.setPen(QPen(kSimulated, 2));
    p.drawLine(QPointF(x, low), QPointF(x, high));
    p.drawLine(QPointF(x - 4, low), QPointF(x + 4, low));
    p.drawLine(QPointF(x - 4, high), QPointF(x + 4, high));
    p.setBrush(kSimulated);
    p.drawEllipse(QPointF(x, mid), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
}

void legend(QPainter& p, QPointF at, const QString& exact, const QString& simulated) {
    p.fillRect(QRectF(at.x(), at.y() - 10, 14, 10), kExact);
    p.setPen(Qt::black);
    p.drawText(at + QPointF(20, 0), exact);
    whisker(p, at.x() + 260, at.y() - 12, at.y() - 5, at.y() + 2);
    p.setPen(Qt::black);
    p.drawText(at + QPointF(272, 0), simulated);
}

void paint(QPainter& p, const Report& report) {
    p.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    p.setFont(font);

    // The simulated win, on a logarithmic scale so that 3/4 and 1/196 both show.
    const WinTable& table = winTable();
    const Tally wins = report.allFast();
    double total = 0;
    for (std::uint64_t n : wins.winsPutUp) {
        total += static_cast<double>(n);
    }
    const Panel top{QRectF(90, 60, kWidth - 130, 300), 0.001, 1.0, true};
    frame(p, top,
          "The win a charged play puts up: exact chance and simulated share (" +
              QString::fromStdString(grouped(static_cast<std::uint64_t>(total))) + " plays)",
          {0.001, 0.01, 0.1, 1.0});
    const double slot = top.area.width() / static_cast<double>(table.wins.size());
    for (std::size_t i = 0; i < table.wins.size(); ++i) {
        const WinChance& w = table.wins[i];
        const double x = top.area.left() + slot * (static_cast<double>(i) + 0.5);
        const double chance = approx(w.probability);
        p.fillRect(
            QRectF(x - slot * 0.3, top.y(chance), slot * 0.6, top.area.bottom() - top.y(chance)),
            kExact);
        if (total > 0) {
            const double share =
                static_cast<double>(wins.winsPutUp[static_cast<std::size_t>(w.value)]) / total;
            const double half = kZ999 * std::sqrt(share * (1 - share) / total);
            whisker(p, x, top.y(share - half), top.y(share), top.y(share + half));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(x - slot / 2, top.area.bottom() + 4, slot, 18), Qt::AlignCenter,
                   QString::number(w.value));
    }
    legend(p, QPointF(top.area.left(), top.area.bottom() + 40), "exact chance",
           "simulated share, 99.9 % interval");

    // The return of each strategy, on a logarithmic scale: the capped free re-deal returns
    // hundreds of times what collecting at once does. An infinite return has no mark.
    double low = 1.0;
    double high = 1.0;
    for (const StrategyResult& r : report.results) {
        if (r.exact.returnToPlayer) {
            low = std::min(low, approx(*r.exact.returnToPlayer));
            high = std::max(high, approx(*r.exact.returnToPlayer));
        }
        if (r.fast) {
            const Estimate e = estimate(*r.fast).returnToPlayer;
            low = std::min(low, std::max(e.low, e.value / 2));
            high = std::max(high, e.high);
        }
    }
    std::vector<double> ticks;
    const double decade = std::pow(10.0, std::floor(std::log10(low)));
    for (double d = decade; d <= high * 10; d *= 10) {
        for (const double m : {1.0, 2.0, 5.0}) {
            if (d * m >= low / 1.2 && d * m <= high * 1.2) {
                ticks.push_back(d * m);
            }
        }
    }
    low = std::min(low / 1.2, ticks.front());
    high = std::max(high * 1.2, ticks.back());
    const Panel bottom{QRectF(90, 460, kWidth - 130, 290), low, high, true};
    frame(p, bottom,
          "Return to player of each strategy (1 = break-even, logarithmic): exact and simulated",
          ticks);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(bottom.area.left(), bottom.y(1.0)),
               QPointF(bottom.area.right(), bottom.y(1.0)));
    const double column = bottom.area.width() / static_cast<double>(report.results.size());
    for (std::size_t i = 0; i < report.results.size(); ++i) {
        const StrategyResult& r = report.results[i];
        const double x = bottom.area.left() + column * (static_cast<double>(i) + 0.5);
        if (r.exact.returnToPlayer) {
            const double exact = bottom.y(approx(*r.exact.returnToPlayer));
            p.fillRect(QRectF(x - column * 0.35, exact - 1.5, column * 0.7, 3), kExact);
        }
        if (r.fast) {
            // Without a finite variance an interval means nothing: the value alone.
            const Estimate e = estimate(*r.fast).returnToPlayer;
            const bool interval = figureRows(r.exact).front().hasInterval;
            whisker(p, x, bottom.y(interval ? e.low : e.value), bottom.y(e.value),
                    bottom.y(interval ? e.high : e.value));
        }
        p.save();
        p.setPen(Qt::black);
        p.translate(x + 4, bottom.area.bottom() + 6);
        p.rotate(-60);
        p.drawText(QRectF(-260, -8, 260, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(name(r.strategy)));
        p.restore();
    }
    legend(p, QPointF(bottom.area.left(), kHeight - 12), "exact return",
           "simulated return (fast path), 99.9 % interval");
}

} // namespace

std::string drawChart(const Report& report, const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (file.endsWith(".svg")) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(kWidth, kHeight));
        svg.setViewBox(QRect(0, 0, kWidth, kHeight));
        svg.setTitle("Vantrello odds");
        QPainter p;
        if (!p.begin(&svg)) {
            return "cannot write " + path;
        }
        paint(p, report);
        p.end();
        return {};
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paint(p, report);
    p.end();
    return image.save(file, "PNG") ? std::string() : "cannot write " + path;
}

} // namespace odds
