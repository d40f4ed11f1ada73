// The question when a QV-7100 answered on several ports: a list of those ports, each with its
// device and what answered, the first chosen. OK uses the port chosen; Cancel, Escape and the
// close box choose none.
#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language.h"

class QListWidget;

namespace qv {

class RadioChoiceWindow : public QDialog {
    Q_OBJECT

  public:
    // `ports`: a line for each port where a radio answered, in the order they are offered.
    RadioChoiceWindow(const std::vector<std::string>& ports, Language language,
                      QWidget* parent = nullptr);

    // The position in `ports` of the port chosen; none unless the window was closed with OK.
    std::optional<std::size_t> Chosen() const;

  private:
    QListWidget* list_ = nullptr;
};

}  // namespace qv
