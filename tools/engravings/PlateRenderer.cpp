// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/engravings/PlateRenderer.h"

#include "calendar/RevolutionaryCalendar.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int size = PlateRenderer::plateSize;
constexpr double outerRule = 14;   // inset of the heavy outer rule
constexpr double innerRule = 22;   // inset of the fine inner rule
constexpr double captionTop = 404; // the rule between the picture and its caption
const QRectF figureBox(96, 52, 320, 290);
constexpr double contourWidth = 2.2; // solid ink kept along every edge of a drawing, in pixels
constexpr double hatchPeriod = 5.0;
// Parts of a drawing at least twice this wide are hatched; narrower lines are inked solid.
constexpr float broadRadius = 7.0F;

// Ink coverage, 0 (paper) to 1 (black), for the whole plate; composed onto the paper at the end.
using InkLayer = std::vector<float>;

float clamp01(double value)
{
    return static_cast<float>(std::clamp(value, 0.0, 1.0));
}

// Coverage of a family of parallel lines at distance `across` (in pixels, along the normal of the
// lines), with lines of half width `halfWidth` every `period` pixels; antialiased over a pixel.
double lineCoverage(double across, double period, double halfWidth)
{
    const double offset = std::abs(std::fmod(std::abs(across), period) - period / 2);
    return std::clamp(halfWidth + 0.5 - offset, 0.0, 1.0);
}

double dotCoverage(double x, double y, double period, double radius)
{
    const double row = std::floor(y / period);
    const double shift = std::fmod(row, 2.0) == 0 ? 0 : period / 2;
    const double dx = std::fmod(x + shift, period) - period / 2;
    const double dy = std::fmod(y, period) - period / 2;
    return std::clamp(radius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
}

double hatchCoverage(Hatch hatch, double x, double y, double halfWidth)
{
    constexpr double diagonal = 0.70710678118654752;
    switch (hatch) {
    case Hatch::shading:
        return lineCoverage((x - y) * diagonal, hatchPeriod, halfWidth);
    case Hatch::horizontal:
        return lineCoverage(y, hatchPeriod, halfWidth);
    case Hatch::vertical:
        return lineCoverage(x, hatchPeriod, halfWidth);
    case Hatch::dotted:
        return dotCoverage(x, y, hatchPeriod + 1, halfWidth + 0.4);
    case Hatch::crossed:
        return std::max(lineCoverage(y, hatchPeriod, halfWidth), lineCoverage(x, hatchPeriod, halfWidth));
    case Hatch::crossedDiagonal:
        return std::max(lineCoverage((x - y) * diagonal, hatchPeriod + 1, halfWidth),
                        lineCoverage((x + y) * diagonal, hatchPeriod + 1, halfWidth));
    case Hatch::plain:
        return 0;
    }
    return 0;
}

constexpr float unreached = 1e6F;

// Distance of every marked pixel (non-zero) to the nearest unmarked one (zero), by a two-pass
// chamfer with steps 1 and sqrt 2. `beyondEdge` is what lies outside the image: 0 if the outside
// counts as unmarked, a large value if it does not.
std::vector<float> chamferDistance(std::vector<float> distance, int width, int height, float beyondEdge)
{
    constexpr float step = 1.0F;
    constexpr float diagonalStep = 1.41421356F;
    const auto at = [width](int x, int y) { return static_cast<std::size_t>(y * width + x); };
    const auto relax = [&](int x, int y, int dx, int dy, float cost) {
        const int nx = x + dx;
        const int ny = y + dy;
        const float neighbour = nx < 0 || ny < 0 || nx >= width || ny >= height ? beyondEdge : distance[at(nx, ny)];
        distance[at(x, y)] = std::min(distance[at(x, y)], neighbour + cost);
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (distance[at(x, y)] > 0) {
                relax(x, y, -1, 0, step);
                relax(x, y, 0, -1, step);
                relax(x, y, -1, -1, diagonalStep);
                relax(x, y, 1, -1, diagonalStep);
            }
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = width - 1; x >= 0; --x) {
            if (distance[at(x, y)] > 0) {
                relax(x, y, 1, 0, step);
                relax(x, y, 0, 1, step);
                relax(x, y, 1, 1, diagonalStep);
                relax(x, y, -1, 1, diagonalStep);
            }
        }
    }
    return distance;
}

// A part of the plate that the figure and its ground cover; their layers are kept only there.
struct WorkArea
{
    QRect rect;

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * rect.width() + x); }
    std::size_t pixels() const { return static_cast<std::size_t>(rect.width() * rect.height()); }
};

std::vector<float> depthInside(const QImage& mask, const WorkArea& area)
{
    std::vector<float> marked(area.pixels());
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            marked[area.index(x, y)] = line[x] >= 128 ? unreached : 0.0F;
        }
    }
    return chamferDistance(std::move(marked), area.rect.width(), area.rect.height(), 0.0F);
}

// The broad parts of a drawing: the pixels that a disc of radius `radius` fitting inside the
// drawing can reach (an opening). Lines narrower than the disc are left out, so they stay solid.
std::vector<bool> broadParts(const std::vector<float>& depth, float radius, const WorkArea& area)
{
    std::vector<float> awayFromCore(depth.size());
    std::transform(depth.begin(), depth.end(), awayFromCore.begin(),
                   [radius](float value) { return value > radius ? 0.0F : unreached; });
    awayFromCore = chamferDistance(std::move(awayFromCore), area.rect.width(), area.rect.height(), unreached);
    std::vector<bool> broad(depth.size());
    for (std::size_t i = 0; i < depth.size(); ++i) {
        broad[i] = depth[i] > 0 && awayFromCore[i] <= radius + 0.5F;
    }
    return broad;
}

QImage coverageMask(const QPainterPath& shape, const WorkArea& area)
{
    QImage mask(area.rect.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.rect.topLeft());
    painter.fillPath(shape, Qt::white);
    return mask;
}

// Lays `ink` onto the paper: the darker of what is there and the new ink wins.
void applyInk(QImage& plate, const InkLayer& ink, const WorkArea& area)
{
    for (int y = 0; y < area.rect.height(); ++y) {
        uchar* line = plate.scanLine(area.rect.top() + y) + area.rect.left();
        for (int x = 0; x < area.rect.width(); ++x) {
            const auto value = static_cast<uchar>(std::lround(255.0 * (1.0 - ink[area.index(x, y)])));
            line[x] = std::min(line[x], value);
        }
    }
}

void fillInk(QImage& plate, const QPainterPath& path)
{
    QPainter painter(&plate);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::black);
}

// Text as outlines, so that the plate does not depend on the rasteriser's hinting settings.
QPainterPath textPath(const QString& text, const QFont& font, QPointF baseline)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

// Small capitals: letters written in capitals keep the full size, the others are set as
// capitals of about four fifths of it, the way a printer sets a title.
QPainterPath smallCapitals(const QString& text, QFont font, double capitalSize)
{
    QFont small = font;
    font.setPixelSize(static_cast<int>(std::lround(capitalSize)));
    small.setPixelSize(static_cast<int>(std::lround(capitalSize * 0.78)));
    const QFontMetricsF fullMetrics(font);
    const QFontMetricsF smallMetrics(small);
    constexpr double tracking = 1.5;

    QPainterPath path;
    double x = 0;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString letter = QString::fromUcs4(&codePoint, 1);
        const bool capital = letter != letter.toLower();
        const QString shown = letter.toUpper();
        const QFont& face = capital ? font : small;
        path.addPath(textPath(shown, face, QPointF(x, 0)));
        x += (capital ? fullMetrics : smallMetrics).horizontalAdvance(shown) + tracking;
    }
    return path;
}

// Centres `path` horizontally on the plate with its baseline at `baseline`, narrowed to fit.
QPainterPath centred(QPainterPath path, double baseline, double maximumWidth)
{
    const QRectF bounds = path.boundingRect();
    const double scale = bounds.width() > maximumWidth ? maximumWidth / bounds.width() : 1.0;
    QTransform transform;
    transform.translate(size / 2.0, baseline);
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), 0);
    return transform.map(path);
}

QPainterPath rectangleOutline(double inset, double width)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    path.addRect(QRectF(inset + width, inset + width, size - 2 * (inset + width), size - 2 * (inset + width)));
    return path;
}

} // namespace

PlateRenderer::PlateRenderer(QFont caption, QFont italic) : m_caption(std::move(caption)), m_italic(std::move(italic))
{}

QImage PlateRenderer::render(const DailyItem& item, const PlateDrawing& drawing) const
{
    QImage plate(size, size, QImage::Format_Grayscale8);
    plate.fill(255);
    drawFrame(plate);
    drawFigure(plate, drawing);
    drawCaption(plate, item);
    return plate;
}

void PlateRenderer::drawFrame(QImage& plate) const
{
    QPainterPath frame = rectangleOutline(outerRule, 3);
    frame.addPath(rectangleOutline(innerRule, 1));
    QPainterPath rule;
    rule.addRect(QRectF(innerRule + 1, captionTop, size - 2 * innerRule - 2, 1));
    rule.addRect(QRectF(innerRule + 1, captionTop + 3, size - 2 * innerRule - 2, 1));
    frame.addPath(rule);
    // A small lozenge at each corner between the two rules.
    for (const QPointF corner : {QPointF(18.5, 18.5), QPointF(size - 18.5, 18.5), QPointF(18.5, size - 18.5),
                                 QPointF(size - 18.5, size - 18.5)}) {
        QPainterPath lozenge;
        lozenge.moveTo(corner + QPointF(0, -4));
        lozenge.lineTo(corner + QPointF(4, 0));
        lozenge.lineTo(corner + QPointF(0, 4));
        lozenge.lineTo(corner + QPointF(-4, 0));
        lozenge.closeSubpath();
        frame.addPath(lozenge);
    }
    fillInk(plate, frame);
}

void PlateRenderer::drawFigure(QImage& plate, const PlateDrawing& drawing) const
{
    const QRectF bounds = drawing.shape.boundingRect();
    const double scale = std::min(figureBox.width() / bounds.width(), figureBox.height() / bounds.height());
    QTransform transform;
    transform.translate(figureBox.center().x(), figureBox.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath shape = transform.map(drawing.shape);
    const QRectF placed = shape.boundingRect();

    // The ground: level strokes under the figure that thin out towards the rim of an ellipse,
    // a little to the right, away from the light.
    const QPointF groundCentre(placed.center().x() + placed.width() * 0.06,
                               std::min(placed.bottom() + 4, captionTop - 26));
    const double groundRadiusX = placed.width() * 0.42 + 24;
    constexpr double groundRadiusY = 14;
    const QRectF ground(groundCentre.x() - groundRadiusX, groundCentre.y() - groundRadiusY, 2 * groundRadiusX,
                        2 * groundRadiusY);
    const WorkArea area{(placed | ground).toAlignedRect().adjusted(-2, -2, 2, 2) & QRect(0, 0, size, size)};

    const QImage mask = coverageMask(shape, area);
    const std::vector<float> depth = depthInside(mask, area);
    const std::vector<bool> broad = broadParts(depth, broadRadius, area);
    InkLayer ink(area.pixels(), 0.0F);

    for (int y = 0; y < area.rect.height(); ++y) {
        const double plateY = area.rect.top() + y + 0.5;
        for (int x = 0; x < area.rect.width(); ++x) {
            const double dx = (area.rect.left() + x + 0.5 - groundCentre.x()) / groundRadiusX;
            const double dy = (plateY - groundCentre.y()) / groundRadiusY;
            const double rim = dx * dx + dy * dy;
            if (rim < 1) {
                ink[area.index(x, y)] = clamp01(lineCoverage(plateY, 4.0, 0.9 * (1 - rim)));
            }
        }
    }

    // The figure. Lines stay solid ink; broad parts get a solid contour and hatching inside it.
    // The hatching is modelled as if the part were a cushion lit from the upper left: the slope
    // of the depth field stands for the surface, so lines thin out on the lit side of each edge
    // and swell on the side away from the light, and the flat middle takes a half tone.
    const int width = area.rect.width();
    const int height = area.rect.height();
    const auto depthAt = [&](int x, int y) {
        return depth[area.index(std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1))];
    };
    constexpr double towardsLight = -0.70710678118654752; // both components of the unit vector
    for (int y = 0; y < height; ++y) {
        const uchar* maskLine = mask.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const auto index = area.index(x, y);
            const double coverage = maskLine[x] / 255.0;
            if (coverage == 0) {
                continue;
            }
            double figure = coverage;
            if (broad[index]) {
                const double here = depth[index];
                const double gradientX = (depthAt(x + 1, y) - depthAt(x - 1, y)) / 2.0;
                const double gradientY = (depthAt(x, y + 1) - depthAt(x, y - 1)) / 2.0;
                const double lit = -(gradientX + gradientY) * towardsLight * std::exp(-here / 14.0);
                const double tone = std::clamp(0.5 + 0.45 * -lit, 0.05, 0.95);
                const double hatch = hatchCoverage(drawing.hatch, area.rect.left() + x + 0.5, area.rect.top() + y + 0.5,
                                                   0.1 + 1.5 * tone);
                const double inside = std::clamp(here - contourWidth, 0.0, 1.0);
                figure = (1 - inside) * coverage + inside * hatch;
            }
            ink[index] = clamp01(figure + (1 - coverage) * ink[index]);
        }
    }
    applyInk(plate, ink, area);
}

void PlateRenderer::drawCaption(QImage& plate, const DailyItem& item) const
{
    const QString name = QString::fromUtf8(item.frenchName.data(), static_cast<qsizetype>(item.frenchName.size()));
    const double textWidth = size - 2 * innerRule - 24;
    QPainterPath caption = centred(smallCapitals(name, m_caption, 30), 446, textWidth);

    const auto monthIndex = static_cast<std::size_t>((item.dayOfYear - 1) / 30);
    const auto month = RevolutionaryCalendar::monthNames.at(monthIndex);
    const QString line = QStringLiteral("N\u00B0 %1  \u00B7  %2 %3")
                             .arg(item.dayOfYear)
                             .arg((item.dayOfYear - 1) % 30 + 1)
                             .arg(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())));
    QFont italic = m_italic;
    italic.setPixelSize(15);
    caption.addPath(centred(textPath(line, italic, QPointF(0, 0)), 474, textWidth));
    fillInk(plate, caption);
}
