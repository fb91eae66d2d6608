#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace morvek::ui {

class Gauge;

// The live display row under the page control: three columns of monitor labels with their
// bars, the lambda colour strips under the lambda bar, and LabelCom. The texts and colours
// come from the monitor view (rendered by name); this class only lays them out.
class LiveDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit LiveDisplay(QWidget* parent = nullptr);

  QLabel* label_com() const { return label_com_; }
  // "Replay", shown while a recorded log drives the display.
  QLabel* label_replay() const { return label_replay_; }
  // The four LAMBDA_BAR values (air/fuel x 10) that split the strip under the lambda bar; the
  // strips follow the bar's width.
  void SetLambdaBar(const std::array<int, 4>& bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceStrips();

  QLabel* label_com_ = nullptr;
  QLabel* label_replay_ = nullptr;
  std::array<QLabel*, 3> strips_{};
  QWidget* strip_row_ = nullptr;
  std::array<int, 4> lambda_bar_{100, 120, 140, 180};
};

}  // namespace morvek::ui
