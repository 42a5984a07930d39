// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "strategy_card.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

namespace printing {

namespace {

// The writer's resolution: fine enough that text laid out at it keeps its shape in print.
constexpr int dotsPerInch = 1200;
constexpr double dotsPerPoint = dotsPerInch / 72.0;
constexpr double dotsPerMm = dotsPerInch / 25.4;
// The area both A4 and Letter hold, and the margin kept inside it.
constexpr double commonWidthMm = 210.0, commonHeightMm = 279.4;
constexpr double marginMm = 14.0;
// The body text's sizes tried, largest first, in points.
constexpr double largestBody = 11.0, smallestBody = 4.0, bodyStep = 0.25;

const QColor ink(20, 20, 20), grey(110, 110, 110), rule(160, 160, 160), band(236, 236, 236);

QFont fontOf(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    // No ligatures: "fi" stays two letters for a search and a screen reader.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays the card out at one body size and chart column count: measures it, and paints it when
// given a painter, so that what is measured is what is painted.
class Layout {
  public:
    Layout(const StrategyCard& card, QPaintDevice* device, double width, double height)
        : card_(card), device_(device), width_(width), height_(height) {}

    // The height the card takes; painted into the area from (0, 0) when painter is given.
    double place(double body, int columns, QPainter* painter) const;

  private:
    double points(double p) const { return p * dotsPerPoint; }
    // A paragraph wrapped at width; its height. Painted with its top left at `at`.
    double paragraph(const QString& text, const QFont& font, double width, QPainter* painter,
                     QPointF at, Qt::Alignment align = Qt::AlignLeft, QColor colour = ink) const;
    void horizontalRule(double y, QPainter* painter) const;
    double topBlock(double body, double y, QPainter* painter) const;
    double chart(double body, int columns, double y, QPainter* painter) const;

    const StrategyCard& card_;
    QPaintDevice* device_;
    double width_, height_;
};

double Layout::paragraph(const QString& text, const QFont& font, double width, QPainter* painter,
                         QPointF at, Qt::Alignment align, QColor colour) const {
    QTextLayout layout(text, font, device_);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    if (painter) {
        painter->setPen(colour);
        layout.draw(painter, at);
    }
    return y;
}

void Layout::horizontalRule(double y, QPainter* painter) const {
    if (painter) {
        painter->setPen(QPen(rule, points(0.6)));
        painter->drawLine(QPointF(0, y), QPointF(width_, y));
    }
}

// The paytable on the left, its rows in light bands by turns; the returns on the right.
double Layout::topBlock(double body, double y, QPainter* painter) const {
    const QFont heading = fontOf(body * 1.1, true), plain = fontOf(body, false),
                bold = fontOf(body, true);
    const double gap = points(body * 1.5), pad = points(body * 0.3);
    // The table as wide as its longest row and heading ask, each pay near its hand (so that a
    // reader takes them for one line), but not wider than a little over half the area.
    double nameWidth = 0, payWidth = 0;
    const QFontMetricsF plainMetrics(plain, device_), boldMetrics(bold, device_);
    for (const PayRow& row : card_.paytable) {
        nameWidth = std::max(nameWidth, plainMetrics.horizontalAdvance(row.hand));
        payWidth = std::max(payWidth, boldMetrics.horizontalAdvance(row.pays));
    }
    const double widest =
        std::max(nameWidth + points(body * 3) + payWidth + 2 * pad,
                 QFontMetricsF(heading, device_).horizontalAdvance(card_.paytableHeading) + pad);
    const double left = std::min(widest, (width_ - gap) * 0.58), right = width_ - gap - left;
    nameWidth = std::max(left - payWidth - 3 * pad, left / 2);

    double l = y;
    if (!card_.paytableHeading.isEmpty())
        l += paragraph(card_.paytableHeading, heading, left, painter, QPointF(0, l)) +
             points(body * 0.3);
    for (std::size_t i = 0; i < card_.paytable.size(); ++i) {
        const PayRow& row = card_.paytable[i];
        const double h = std::max(paragraph(row.hand, plain, nameWidth, nullptr, {}),
                                  paragraph(row.pays, bold, payWidth, nullptr, {})) +
                         pad;
        if (painter) {
            if (i % 2 == 0)
                painter->fillRect(QRectF(0, l, left, h), band);
            paragraph(row.hand, plain, nameWidth, painter, QPointF(pad, l + pad / 2));
            paragraph(row.pays, bold, payWidth, painter,
                      QPointF(left - pad - payWidth, l + pad / 2), Qt::AlignRight);
        }
        l += h;
    }
    double r = y;
    const double x = left + gap;
    for (const QString& line : card_.returns)
        r += paragraph(line, plain, right, painter, QPointF(x, r)) + points(body * 0.4);
    return std::max(l, r);
}

// The numbered lines, their numbers in a column of their own; in two columns the lines are
// shared so that the columns end as evenly as whole lines allow.
double Layout::chart(double body, int columns, double y, QPainter* painter) const {
    const QFont plain = fontOf(body, false), bold = fontOf(body, true);
    const double gap = points(body * 2);
    const double column = (width_ - gap * (columns - 1)) / columns;
    const QFontMetricsF boldMetrics(bold, device_);
    const qsizetype count = card_.chartLines.size();
    const double numberWidth =
        boldMetrics.horizontalAdvance(QStringLiteral("%1.").arg(std::max<qsizetype>(count, 9)));
    const double indent = numberWidth + points(body * 0.5);
    const double spacing = points(body * 0.3);

    std::vector<double> heights;
    heights.reserve(static_cast<std::size_t>(count));
    for (const QString& line : card_.chartLines)
        heights.push_back(paragraph(line, plain, column - indent, nullptr, {}) + spacing);
    // Where the second column starts: the first split whose longer column is shortest.
    std::size_t split = heights.size();
    if (columns == 2) {
        const double total = std::accumulate(heights.begin(), heights.end(), 0.0);
        double first = 0, best = total;
        for (std::size_t k = 0; k <= heights.size(); ++k) {
            if (std::max(first, total - first) < best) {
                best = std::max(first, total - first);
                split = k;
            }
            if (k < heights.size())
                first += heights[k];
        }
    }
    double bottom = y;
    double top = y;
    double x = 0;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        if (i == split && i != 0) {
            x = column + gap;
            top = y;
        }
        if (painter) {
            const QString line = card_.chartLines[static_cast<qsizetype>(i)];
            paragraph(QStringLiteral("%1.").arg(i + 1), bold, numberWidth, painter, QPointF(x, top),
                      Qt::AlignRight);
            paragraph(line, plain, column - indent, painter, QPointF(x + indent, top));
        }
        top += heights[i];
        bottom = std::max(bottom, top);
    }
    if (painter && columns == 2 && split < heights.size()) {
        painter->setPen(QPen(rule, points(0.4)));
        painter->drawLine(QPointF(column + gap / 2, y), QPointF(column + gap / 2, bottom));
    }
    return bottom - y;
}

double Layout::place(double body, int columns, QPainter* painter) const {
    double y = 0;
    y += paragraph(card_.title, fontOf(body * 1.8, true), width_, painter, QPointF(0, y));
    y += points(body * 0.5);
    horizontalRule(y, painter);
    y = topBlock(body, y + points(body * 0.8), painter) + points(body * 0.6);
    horizontalRule(y, painter);
    y += points(body * 0.8);
    if (!card_.chartHeading.isEmpty())
        y += paragraph(card_.chartHeading, fontOf(body * 1.1, true), width_, painter,
                       QPointF(0, y)) +
             points(body * 0.5);
    y += chart(body, columns, y, painter);
    // The foot: the program's name and version, at the bottom of the area.
    const QString foot = QStringLiteral("%1 %2").arg(card_.program, card_.version).trimmed();
    const QFont small = fontOf(body * 0.8, false);
    const double footHeight = paragraph(foot, small, width_, nullptr, {});
    y += points(body * 0.8) + footHeight;
    if (painter) {
        const double footTop = height_ - footHeight;
        horizontalRule(footTop - points(body * 0.4), painter);
        paragraph(foot, small, width_, painter, QPointF(0, footTop), Qt::AlignLeft, grey);
    }
    return y;
}

// Why writing fileName failed, seen from what is on the disk now; `opened` when the file was
// opened for writing, so the failure came while writing or replacing it.
Failure failureAt(const QString& fileName, bool opened) {
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return Failure::NotAFile;
    if (!folder.isDir())
        return Failure::NoFolder;
    if (!opened && (!folder.isWritable() || (file.exists() && !file.isWritable())))
        return Failure::NoRights;
    return Failure::Writing;
}

} // namespace

QPageSize paperFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

WriteResult writeStrategyCard(const StrategyCard& card, const QString& fileName,
                              const QPageSize& paper) {
    // Written to a temporary file beside the target and put in its place only when whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {failureAt(fileName, false), file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setResolution(dotsPerInch);
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF());
        writer.setTitle(card.title);
        writer.setCreator(QStringLiteral("%1 %2").arg(card.program, card.version).trimmed());
        // The common area, centred on the paper, less the margins.
        const QSizeF page = paper.size(QPageSize::Millimeter);
        const QRectF area(((page.width() - commonWidthMm) / 2 + marginMm) * dotsPerMm,
                          ((page.height() - commonHeightMm) / 2 + marginMm) * dotsPerMm,
                          (commonWidthMm - 2 * marginMm) * dotsPerMm,
                          (commonHeightMm - 2 * marginMm) * dotsPerMm);
        const Layout layout(card, &writer, area.width(), area.height());
        // The largest body size at which the card fits; at each, one column for the chart
        // before two.
        double body = smallestBody;
        int columns = 2;
        bool found = false;
        for (double size = largestBody; size >= smallestBody && !found; size -= bodyStep)
            for (int c = 1; c <= 2 && !found; ++c)
                if (layout.place(size, c, nullptr) <= area.height()) {
                    body = size;
                    columns = c;
                    found = true;
                }
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return {Failure::Writing, file.errorString()};
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(area.topLeft());
        layout.place(body, columns, &painter);
        painter.end();
    }
    if (!file.commit())
        return {failureAt(fileName, true), file.errorString()};
    return {};
}

} // namespace printing
