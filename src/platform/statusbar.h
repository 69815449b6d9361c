// A status bar of numbered text panels (from 1); a click on a panel is reported with its number.
// A panel may take the keyboard focus: then Return, Enter or Space on it is a click on it.
#pragma once

#include <QLabel>
#include <QStatusBar>
#include <vector>

namespace platform {

class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusBar(int panels, QWidget* parent = nullptr);
  QString PanelText(int i) const;
  void SetPanelText(int i, const QString& text);
  QLabel* Panel(int i) const;
  void SetHeightTwips(double twips);
  // Panel i takes the focus (Tab reaches it while it is shown) and shows a dotted frame then.
  void SetPanelTakesFocus(int i);

 signals:
  void PanelClick(int i);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QLabel*> panels_;
};

}  // namespace platform
