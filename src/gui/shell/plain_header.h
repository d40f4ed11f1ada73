// A grid's column header whose captions are never highlighted: every section is drawn in the
// header's own font, and measured in it. Qt measures a caption in bold, as a highlighted section
// is drawn; for Chinese captions that alone loads the bold face of the CJK font at start
// (megabytes) for a caption never drawn in it.
#pragma once

#include <QHeaderView>

namespace qv {

class PlainHeader : public QHeaderView {
    Q_OBJECT

  public:
    explicit PlainHeader(QWidget* parent = nullptr);

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

}  // namespace qv
