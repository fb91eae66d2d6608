#include "ui/map_3d_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "pages/heat_scale.h"

namespace morvek::ui {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kLastColumn = model::kMapColumns - 1;
constexpr int kLastRow = model::kMapRows - 1;
// The map's footprint: wider along the rpm axis than deep along the throttle axis.
constexpr double kWidth = 2.0;
constexpr double kDepth = 1.4;
constexpr double kHeight = 0.9;

constexpr std::array<int, model::kMapRows> kTps{0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

QColor Heat(int value, int lowest, int highest) {
  const pages::HeatRgb c = pages::HeatColour(value, lowest, highest);
  return {c.r, c.g, c.b};
}

QString ValueText(int value, int divisor) {
  if (divisor == 1) return QString::number(value);
  return QString::number(static_cast<double>(value) / divisor, 'f', 2);
}

}  // namespace

Map3DView::Map3DView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Map3DView"));
  setMinimumSize(320, 240);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Map3DView::SetSurface(const Surface& surface) {
  surface_ = surface;
  const auto [lo, hi] = std::minmax_element(surface.cells.begin(), surface.cells.end());
  lowest_ = *lo;
  highest_ = *hi;
  setWindowTitle(surface.title);
  update();
}

void Map3DView::SetLive(std::optional<std::pair<int, int>> row_column) {
  if (row_column == live_) return;
  live_ = row_column;
  update();
}

void Map3DView::SetAngles(double turn, double tilt) {
  turn_ = std::fmod(turn, 360.0);
  tilt_ = std::clamp(tilt, 5.0, 89.0);
  update();
}

Map3DView::Projected Map3DView::Project(double column, double row, int value) const {
  const double x = (column / kLastColumn - 0.5) * kWidth;
  const double y = (row / kLastRow - 0.5) * kDepth;
  const double span = highest_ > lowest_ ? highest_ - lowest_ : 1;
  const double z = ((value - lowest_) / span - 0.5) * kHeight;
  const double a = turn_ * kPi / 180;
  const double e = tilt_ * kPi / 180;
  const double xr = x * std::cos(a) - y * std::sin(a);
  const double yr = x * std::sin(a) + y * std::cos(a);
  const double up = z * std::cos(e) + yr * std::sin(e);
  const double near = z * std::sin(e) - yr * std::cos(e);
  const double scale = std::min(width() / 3.3, height() / 2.8) * zoom_;
  const QPointF centre(width() / 2.0, height() / 2.0);
  return {centre + QPointF(xr * scale, -up * scale), near};
}

void Map3DView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  const auto cell = [&](int row, int column) {
    return surface_.cells[static_cast<std::size_t>(model::MapElement(row, column))];
  };
  // The floor and its axes first, then the surface's patches from the farthest to the nearest.
  const QPointF floor[4] = {Project(0, 0, lowest_).at, Project(kLastColumn, 0, lowest_).at,
                            Project(kLastColumn, kLastRow, lowest_).at,
                            Project(0, kLastRow, lowest_).at};
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.setBrush(QColor(244, 244, 244));
  p.drawPolygon(floor, 4);

  struct Patch {
    double depth;
    int row;
    int column;
  };
  std::vector<Patch> patches;
  patches.reserve(static_cast<std::size_t>(kLastRow * kLastColumn));
  for (int j = 0; j < kLastRow; ++j)
    for (int i = 0; i < kLastColumn; ++i)
      patches.push_back(
          {Project(i + 0.5, j + 0.5, (cell(j, i) + cell(j + 1, i + 1)) / 2).depth, j, i});
  std::sort(patches.begin(), patches.end(),
            [](const Patch& a, const Patch& b) { return a.depth < b.depth; });
  p.setPen(QPen(QColor(60, 60, 60, 140), 0.8));
  for (const Patch& patch : patches) {
    const int j = patch.row;
    const int i = patch.column;
    const QPointF corners[4] = {Project(i, j, cell(j, i)).at, Project(i + 1, j, cell(j, i + 1)).at,
                                Project(i + 1, j + 1, cell(j + 1, i + 1)).at,
                                Project(i, j + 1, cell(j + 1, i)).at};
    const int mean = (cell(j, i) + cell(j, i + 1) + cell(j + 1, i) + cell(j + 1, i + 1)) / 4;
    p.setBrush(Heat(mean, lowest_, highest_));
    p.drawPolygon(corners, 4);
  }

  // Axis labels along the floor's edges: rpm at the throttle's 0 %, throttle at the lowest rpm,
  // the values up the corner post.
  QFont small = font();
  small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.85));
  p.setFont(small);
  p.setPen(Qt::black);
  const QFontMetricsF metrics(small);
  const auto label = [&](QPointF at, const QString& text, QPointF away) {
    const double w = metrics.horizontalAdvance(text);
    p.drawText(QPointF(at.x() + away.x() - w / 2, at.y() + away.y() + metrics.ascent() / 2), text);
  };
  const QPointF rpm_out = (floor[0] - floor[3]) / 6;
  for (int i = 0; i <= kLastColumn; i += 2)
    label(Project(i, 0, lowest_).at, QString::number(surface_.rpm[static_cast<std::size_t>(i)]),
          rpm_out);
  const QPointF tps_out = (floor[0] - floor[1]) / 10;
  for (int j = 0; j <= kLastRow; j += 3)
    label(Project(0, j, lowest_).at, QString::number(kTps[static_cast<std::size_t>(j)]), tps_out);
  // The value post stands at the far corner, away from both axes' labels.
  const QPointF post_low = Project(kLastColumn, kLastRow, lowest_).at;
  const QPointF post_high = Project(kLastColumn, kLastRow, highest_).at;
  p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
  p.drawLine(post_low, post_high);
  p.setPen(Qt::black);
  const QPointF post_out(metrics.horizontalAdvance(QStringLiteral("00000")) / 2, 0);
  label(post_low, ValueText(lowest_, surface_.divisor), post_out);
  label(post_high, ValueText(highest_, surface_.divisor), post_out);
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  label(Project(kLastColumn / 2.0, 0, lowest_).at, surface_.rpm_axis, rpm_out * 2.4);
  label(Project(0, kLastRow / 2.0, lowest_).at, surface_.tps_axis, tps_out * 2.6);
  label(post_high, surface_.value_axis, QPointF(0, -metrics.height() * 1.2));
  p.drawText(QRectF(8, 6, width() - 16, metrics.height() * 2), Qt::AlignLeft | Qt::AlignTop,
             surface_.title);

  // The live operating point: a post from the floor and a ring on the surface.
  marker_ = QPointF();
  if (live_) {
    const auto [row, column] = *live_;
    const int v = cell(row, column);
    const QPointF top = Project(column, row, v).at;
    p.setPen(QPen(QColor(0, 0, 0), 1.5, Qt::DotLine));
    p.drawLine(Project(column, row, lowest_).at, top);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0, 230, 0));
    p.drawEllipse(top, 7, 7);
    p.setBrush(Qt::black);
    p.drawEllipse(top, 2, 2);
    marker_ = top;
  }
}

void Map3DView::mousePressEvent(QMouseEvent* event) { drag_from_ = event->position().toPoint(); }

void Map3DView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  const QPoint d = at - drag_from_;
  drag_from_ = at;
  SetAngles(turn_ + d.x() * 0.5, tilt_ + d.y() * 0.4);
}

void Map3DView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  zoom_ = std::clamp(zoom_ * std::pow(1.15, steps), 0.4, 4.0);
  update();
}

}  // namespace morvek::ui
