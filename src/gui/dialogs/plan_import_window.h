// The window an import of a channel plan shows before anything changes: the file, the channel the
// rows start from (the first empty channel unless the user picks one) or the choice to put each
// row at its Location, what the import will fill and replace, and every row it skips with its
// line, its Location and the reason. OK applies the import shown; Cancel changes nothing.
#pragma once

#include <QDialog>

#include <string>

#include "i18n/language.h"
#include "rules/plans/channel_plan_import.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace qv {

class PlanImportWindow : public QDialog {
    Q_OBJECT

  public:
    PlanImportWindow(const Setup& setup, std::string csv, const QString& file, Language language,
                     QWidget* parent = nullptr);

    // The import as the window shows it: after OK, the one to apply.
    const ChannelPlanImport& Import() const { return import_; }

  private:
    // The import again, with the placement the controls show.
    void Preview();

    const Setup& setup_;
    std::string csv_;
    Language language_;
    ChannelPlanImport import_;
    QComboBox* from_ = nullptr;
    QCheckBox* atLocation_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* skippedHead_ = nullptr;
    QTableWidget* skipped_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace qv
