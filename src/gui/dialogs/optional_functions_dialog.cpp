#include "gui/dialogs/optional_functions_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include <optional>
#include <utility>

#include "gui/dialogs/dtmf_code_grid.h"
#include "gui/shell/captions.h"
#include "gui/shell/clickable_label.h"
#include "gui/shell/list_controls.h"
#include "gui/shell/twips.h"
#include "i18n/list_items.h"
#include "rules/dialogs/optional_functions_rules.h"
#include "rules/dialogs/service_access.h"
#include "rules/dialogs/time_of_day.h"

namespace qv {
namespace {

// The content area the window is made for, in twips; the code grid begins 300 twips before its
// right edge.
constexpr int kContentWidthTwips = 9780;
constexpr int kContentHeightTwips = 6165;
constexpr int kCodeGridStripTwips = 300;
constexpr int kCodeNumberColumnTwips = 600;
constexpr int kCodeColumnTwips = 2400;

enum class Section { Vox, General, Scan, Dtmf };

struct ListRow {
    const char* label;
    const char* list;
    ListId items;
    int OptionalFunctionsControls::*position;
    Section section;
};

// Every list with its label, in the order of the Tab key within each section.
constexpr ListRow kListRows[] = {
    {"Label8", "Combo6", ListId::VoxFunction, &OptionalFunctionsControls::Combo6, Section::Vox},
    {"Label10", "Combo7", ListId::VoxGain, &OptionalFunctionsControls::Combo7, Section::Vox},
    {"Label9", "Combo8", ListId::VoxDelay, &OptionalFunctionsControls::Combo8, Section::Vox},
    {"Label7", "Combo9", ListId::VoxVolume, &OptionalFunctionsControls::Combo9, Section::Vox},
    {"Label2", "Combo1", ListId::CurrentChannel, &OptionalFunctionsControls::Combo1,
     Section::General},
    {"Label4", "Combo4", ListId::PttId, &OptionalFunctionsControls::Combo4, Section::General},
    {"Label11", "Combo10", ListId::RemoteAlarm, &OptionalFunctionsControls::Combo10,
     Section::General},
    {"Label3", "Combo2", ListId::CallAnswer, &OptionalFunctionsControls::Combo2, Section::General},
    {"Label5", "Combo3", ListId::WorkGroup, &OptionalFunctionsControls::Combo3, Section::General},
    {"Label14", "Combo11", ListId::PriorityMode, &OptionalFunctionsControls::Combo11,
     Section::Scan},
    {"Label15", "Combo12", ListId::PriorityChannel, &OptionalFunctionsControls::Combo12,
     Section::Scan},
    {"Label17", "Combo13", ListId::RetraceTimeA, &OptionalFunctionsControls::Combo13,
     Section::Scan},
    {"Label16", "Combo14", ListId::RetraceTimeB, &OptionalFunctionsControls::Combo14,
     Section::Scan},
    {"Label18", "Combo15", ListId::ReturnChannel, &OptionalFunctionsControls::Combo15,
     Section::Scan},
    {"Label25", "Combo0", ListId::DtmfRate, &OptionalFunctionsControls::Combo0, Section::Dtmf},
    {"Label21", "Combo16", ListId::FirstDigitTime, &OptionalFunctionsControls::Combo16,
     Section::Dtmf},
    {"Label23", "Combo18", ListId::FirstDigitDelay, &OptionalFunctionsControls::Combo18,
     Section::Dtmf},
    {"Label22", "Combo17", ListId::StarHashTone, &OptionalFunctionsControls::Combo17,
     Section::Dtmf},
    {"Label24", "Combo19", ListId::DKey, &OptionalFunctionsControls::Combo19, Section::Dtmf},
    {"Label26", "Combo20", ListId::DtmfSidetone, &OptionalFunctionsControls::Combo20,
     Section::Dtmf},
    {"Label28", "Combo22", ListId::GroupCallCode, &OptionalFunctionsControls::Combo22,
     Section::Dtmf},
    {"Label27", "Combo21", ListId::AutoReset, &OptionalFunctionsControls::Combo21, Section::Dtmf},
};

struct CheckRow {
    const char* name;
    int OptionalFunctionsControls::*value;
};
constexpr CheckRow kCheckRows[] = {
    {"Check3", &OptionalFunctionsControls::Check3},
    {"Check4", &OptionalFunctionsControls::Check4},
};

// The resume-delay boxes, each with its label and step control (kResumeDelaySteps alike).
struct DelayRow {
    const char* label;
    const char* box;
    const char* step;
};
constexpr DelayRow kDelayRows[] = {
    {"Label19", "Text5", "VScroll1"},
    {"Label20", "Text6", "VScroll2"},
};

// The labels the service sequence counts.
struct ServiceLabelName {
    const char* name;
    ServiceLabel label;
};
constexpr ServiceLabelName kServiceLabels[] = {
    {"Label14", ServiceLabel::Label14},
    {"Label17", ServiceLabel::Label17},
    {"Label18", ServiceLabel::Label18},
};

std::optional<ServiceLabel> ServiceLabelNamed(std::string_view name) {
    for (const ServiceLabelName& entry : kServiceLabels) {
        if (name == entry.name) return entry.label;
    }
    return std::nullopt;
}

// A resume-delay box takes only what the core's rule accepts: a key or a paste that would make
// its text unacceptable is not typed.
class ResumeDelayValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return ResumeDelayTextAcceptable(input.toStdString()) ? Acceptable : Invalid;
    }
};

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QGroupBox* Frame(const char* name) {
    auto* frame = new QGroupBox;
    frame->setObjectName(Name(name));
    return frame;
}

}  // namespace

OptionalFunctionsDialog::OptionalFunctionsDialog(Program& program)
    : DialogWindow(program, WindowId::Form5), state_(program.State()) {
    static_assert(std::size(kListRows) == kListCount);
    panel_ = BuildPanel();
    panel_->setParent(this);
    BuildCodeGrid();
    SetTabOrder();
    FinishCreation();
    resize(minimumSize());
}

QWidget* OptionalFunctionsDialog::BuildPanel() {
    const Language language = CaptionLanguage(state_.LanguageIsEnglish);
    auto* frame1 = Frame("Frame1");
    auto* frame2 = Frame("Frame2");
    auto* frame3 = Frame("Frame3");
    auto* vox = new QGridLayout(frame1);
    auto* scan = new QGridLayout(frame2);
    auto* dtmf = new QGridLayout(frame3);
    auto* general = new QGridLayout;
    const auto layoutOf = [&](Section section) {
        switch (section) {
            case Section::Vox:
                return vox;
            case Section::General:
                return general;
            case Section::Scan:
                return scan;
            case Section::Dtmf:
                break;
        }
        return dtmf;
    };

    for (std::size_t k = 0; k < std::size(kListRows); ++k) {
        const ListRow& row = kListRows[k];
        auto* combo = new QComboBox;
        combo->setObjectName(Name(row.list));
        FillList(*combo, row.items, language);
        connect(combo, &QComboBox::activated, this, [this, &row](int position) {
            program_.Changed(
                ChooseOptionalFunctionList(state_, program_.MessageBox(), row.position, position));
        });
        lists_[k] = combo;

        QLabel* label = nullptr;
        if (const auto service = ServiceLabelNamed(row.label)) {
            // Counted clicks, no focus stop: nothing tells of the sequence.
            auto* clickable = new ClickableLabel(false);
            connect(clickable, &ClickableLabel::clicked, this, [this, label = *service] {
                program_.Changed(ClickServiceLabel(state_, label, TimeOfDayMs()));
            });
            label = clickable;
        } else {
            label = new QLabel;
        }
        label->setObjectName(Name(row.label));
        label->setBuddy(combo);
        QGridLayout* layout = layoutOf(row.section);
        const int line = layout->rowCount();
        layout->addWidget(label, line, 0);
        layout->addWidget(combo, line, 1);
    }

    for (std::size_t k = 0; k < std::size(kCheckRows); ++k) {
        const CheckRow& row = kCheckRows[k];
        auto* check = new QCheckBox;
        check->setObjectName(Name(row.name));
        connect(check, &QCheckBox::clicked, this, [this, &row](bool checked) {
            program_.Changed(SetOptionalFunctionCheck(state_, row.value, checked));
        });
        checks_[k] = check;
        vox->addWidget(check, vox->rowCount(), 0, 1, 2);
    }

    for (std::size_t k = 0; k < std::size(kDelayRows); ++k) {
        const DelayRow& row = kDelayRows[k];
        const ResumeDelayStep& link = kResumeDelaySteps[k];
        auto* box = new QLineEdit;
        box->setObjectName(Name(row.box));
        box->setValidator(new ResumeDelayValidator(box));
        connect(box, &QLineEdit::textEdited, this, [this, &link](const QString& text) {
            program_.Changed(TypeResumeDelay(state_, link.text, text.toStdString()));
        });
        // A step control as tall as its box: its down arrow adds a second, its up arrow takes
        // one away.
        auto* step = new QScrollBar(Qt::Vertical);
        step->setObjectName(Name(row.step));
        step->setRange(0, kResumeDelayMax);
        step->setSingleStep(1);
        step->setPageStep(10);
        step->setFocusPolicy(Qt::StrongFocus);
        step->setFixedHeight(box->sizeHint().height());
        connect(step, &QAbstractSlider::actionTriggered, this, [this, step, &link](int) {
            program_.Changed(MoveResumeDelayStep(state_, link, step->sliderPosition()));
        });
        delayBoxes_[k] = box;
        delaySteps_[k] = step;
        auto* label = new QLabel;
        label->setObjectName(Name(row.label));
        label->setBuddy(box);
        delayLabels_[k] = label;
        auto* field = new QHBoxLayout;
        field->setSpacing(0);
        field->addWidget(box, 1);
        field->addWidget(step);
        const int line = scan->rowCount();
        scan->addWidget(label, line, 0);
        scan->addLayout(field, line, 1);
    }
    for (QGridLayout* layout : {vox, scan, dtmf, general}) layout->setColumnStretch(1, 1);
    scan->setRowStretch(scan->rowCount(), 1);
    // Nothing ever shows the DTMF frame; its lists travel between the held values and the image.
    frame3->hide();

    QHBoxLayout* buttons = ButtonRow([this] { Ok(); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame1);
    left->addLayout(general);
    left->addStretch(1);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Form5Panel"));
    auto* layout = new QGridLayout(panel);
    layout->addLayout(left, 0, 0);
    layout->addWidget(frame2, 0, 1);
    layout->addWidget(frame3, 1, 0, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setRowStretch(0, 1);
    return panel;
}

void OptionalFunctionsDialog::BuildCodeGrid() {
    codeModel_ = new CellTableModel(
        DtmfCodeCells(state_,
                      [this](int row, int, std::string code) { CodeEdited(row, std::move(code)); }),
        this);
    codeGrid_ = new DtmfCodeGrid(*codeModel_, this);
    codeGrid_->setObjectName(QStringLiteral("mfgrid1"));
}

void OptionalFunctionsDialog::SetTabOrder() {
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* widget) {
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    };
    for (std::size_t k = 0; k < lists_.size(); ++k) {
        if (kListRows[k].section == Section::Vox) next(lists_[k]);
    }
    for (QCheckBox* check : checks_) next(check);
    for (std::size_t k = 0; k < lists_.size(); ++k) {
        if (kListRows[k].section == Section::General) next(lists_[k]);
    }
    for (std::size_t k = 0; k < lists_.size(); ++k) {
        if (kListRows[k].section == Section::Scan) next(lists_[k]);
    }
    for (std::size_t k = 0; k < delayBoxes_.size(); ++k) {
        next(delayBoxes_[k]);
        next(delaySteps_[k]);
    }
    next(findChild<QPushButton*>(QStringLiteral("Command1")));
    next(findChild<QPushButton*>(QStringLiteral("Command2")));
    next(codeGrid_);
}

void OptionalFunctionsDialog::Refresh(Changes changes) {
    if (changes.Has(StatePart::Form5)) ShowControls();
    if (changes.Has(StatePart::Language)) {
        // Controls without a label of their own are named after the label of their neighbour.
        for (std::size_t k = 0; k < delaySteps_.size(); ++k) {
            delaySteps_[k]->setAccessibleName(delayLabels_[k]->text());
        }
        codeGrid_->setAccessibleName(
            codeModel_->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString());
        PlaceCodeGrid();
    }
}

void OptionalFunctionsDialog::ShowControls() {
    const OptionalFunctionsControls& form = state_.Form5;
    for (std::size_t k = 0; k < lists_.size(); ++k) {
        ShowListPosition(*lists_[k], form.*kListRows[k].position);
    }
    for (std::size_t k = 0; k < checks_.size(); ++k) {
        const QSignalBlocker blocker(checks_[k]);
        checks_[k]->setChecked(form.*kCheckRows[k].value != 0);
    }
    for (std::size_t k = 0; k < delayBoxes_.size(); ++k) {
        const ResumeDelayStep& link = kResumeDelaySteps[k];
        const QString text = QString::fromStdString(form.*link.text);
        // Showing what the user typed would put the cursor at the end.
        if (delayBoxes_[k]->text() != text) {
            const QSignalBlocker blocker(delayBoxes_[k]);
            delayBoxes_[k]->setText(text);
        }
        const QSignalBlocker blocker(delaySteps_[k]);
        delaySteps_[k]->setValue(form.*link.step);
    }
    // Cells changed by anything but the cell's own editor (a decoded image) replace what an open
    // editor holds.
    if (!committingCode_) codeGrid_->CancelEdit();
    codeModel_->CellsChanged();
}

void OptionalFunctionsDialog::PlaceCodeGrid() {
    panel_->adjustSize();
    panelWidth_ = std::max(panel_->sizeHint().width(),
                           TwipsToPixelsX(kContentWidthTwips - kCodeGridStripTwips, *this));
    const int height =
        std::max(panel_->sizeHint().height(), TwipsToPixelsY(kContentHeightTwips, *this));
    setMinimumSize(panelWidth_ + TwipsToPixelsX(kCodeGridStripTwips, *this), height);
    resize(std::max(width(), minimumWidth()), std::max(this->height(), minimumHeight()));

    codeGrid_->setColumnWidth(0, TwipsToPixelsX(kCodeNumberColumnTwips, *this));
    codeGrid_->setColumnWidth(1, TwipsToPixelsX(kCodeColumnTwips, *this));
    const int rows = codeGrid_->horizontalHeader()->sizeHint().height() +
                     kDtmfCodeRows * codeGrid_->verticalHeader()->defaultSectionSize();
    const int frame = 2 * codeGrid_->frameWidth();
    codeGrid_->resize(TwipsToPixelsX(kCodeNumberColumnTwips + kCodeColumnTwips, *this) + frame,
                      rows + frame);
    resizeEvent(nullptr);
}

void OptionalFunctionsDialog::resizeEvent(QResizeEvent* event) {
    if (event != nullptr) DialogWindow::resizeEvent(event);
    if (panel_ == nullptr || codeGrid_ == nullptr) return;
    // The panel keeps its width; the grid lies beyond it, where only a strip of it shows until the
    // window is made wider.
    panel_->setGeometry(0, 0, panelWidth_, height());
    const int top = panel_->layout()->contentsMargins().top();
    codeGrid_->move(panelWidth_, top);
}

void OptionalFunctionsDialog::CodeEdited(int row, std::string code) {
    committingCode_ = true;
    program_.Changed(EditDtmfCode(state_, row, code));
    committingCode_ = false;
    // The warning waits until the editor has closed, so that it is not asked twice.
    QTimer::singleShot(0, this, [this, code] { WarnAboutDtmfCode(program_.MessageBox(), code); });
}

void OptionalFunctionsDialog::Ok() {
    program_.Changed(StoreOptionalFunctions(state_));
    hide();
}

}  // namespace qv
