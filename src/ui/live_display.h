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
  // Splits the strip under the lambda bar by the four LAMBDA_BAR values (air/fuel x 10):
  // blue from b0 to b1, green from b1 to b2, red from b2 to b3.
  void SetLambdaStrips(int b0, int b1, int b2, int b3);

 private:
  QLabel* label_com_ = nullptr;
  std::array<QLabel*, 3> strips_{};
  QWidget* strip_row_ = nullptr;
};

}  // namespace morvek::ui
