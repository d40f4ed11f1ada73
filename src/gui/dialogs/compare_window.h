// The shown set-up compared with a radio: how many places differ and a table of them (field, what
// is shown, what the radio holds), or a line saying they hold the same.
#pragma once

#include <QDialog>

#include <vector>

#include "i18n/language.h"
#include "rules/compare/setup_compare.h"

namespace qv {

class CompareWindow : public QDialog {
    Q_OBJECT

  public:
    CompareWindow(const std::vector<SetupDifference>& differences, Language language,
                  QWidget* parent = nullptr);
};

}  // namespace qv
