// The channel grid Grid1 on screen: column widths and 300-twip rows at the screen's logical DPI,
// centred cells, the label column and header row that never scroll out of reach.
#pragma once

#include <QTableView>

#include "mainwindow/channel_grid_model.h"

namespace qv {

class ChannelGridView : public QTableView {
    Q_OBJECT

  public:
    ChannelGridView(ChannelGridModel& model, QWidget* parent = nullptr);

    // The width that shows every column without a horizontal scroll bar.
    int FullWidth() const;
    // Wide enough for every column, and as high as the screen allows.
    QSize sizeHint() const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ApplyGeometry();
};

}  // namespace qv
