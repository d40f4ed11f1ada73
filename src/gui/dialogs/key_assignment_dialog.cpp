#include "gui/dialogs/key_assignment_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "rules/dialogs/key_assignment_rules.h"
#include "i18n/list_items.h"
#include "gui/shell/captions.h"
#include "gui/shell/list_controls.h"
#include "gui/shell/radio_drawing.h"
#include "gui/shell/twips.h"
#include "state/keys.h"

namespace qv {
namespace {

constexpr int kContentWidthTwips = 7605;
constexpr int kContentHeightTwips = 8160;
// The radio's share of the window: its drawing keeps 1 wide to 2.6 high.
constexpr int kPictureWidthTwips = 3000;
constexpr int kPictureHeightTwips = 7400;

struct KeyFrame {
    const char* name;
    std::string_view key;
};

// From top to bottom.
constexpr std::array<KeyFrame, 5> kKeyFrames = {{
    {"Frame3", "PF1"},
    {"Frame1", "PF2"},
    {"Frame4", "KB1"},
    {"Frame2", "KB3"},
    {"Frame5", "KB2"},
}};

const KeyList& ListOf(std::string_view key, bool longPress) {
    return *std::find_if(kKeyLists.begin(), kKeyLists.end(), [&](const KeyList& list) {
        return list.key == key && list.longPress == longPress;
    });
}

QString ControlName(const char* kind, int entry) {
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(entry + 1);
}

// The widest a label gets in either language, so that switching keeps the lists in place.
int LabelWidth(const QLabel& label) {
    int width = 0;
    for (const Language language : {Language::Chinese, Language::English}) {
        const std::string_view text = Caption(WindowId::Form6, label.objectName().toStdString(),
                                              CaptionProperty::Caption, 0, language);
        width = std::max(width, label.fontMetrics().horizontalAdvance(ToQString(text)));
    }
    return width;
}

}  // namespace

KeyAssignmentDialog::KeyAssignmentDialog(Program& program) : DialogWindow(program, WindowId::Form6) {
    // The frames spread over the window's height, like the lines to the keys.
    auto* frames = new QVBoxLayout;
    for (std::size_t frame = 0; frame < kKeyFrames.size(); ++frame) {
        if (frame > 0) frames->addStretch(1);
        frames_[frame] = BuildFrame(frame);
        frames->addWidget(frames_[frame]);
    }

    picture_ = new QWidget;
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setMinimumSize(TwipsToPixelsX(kPictureWidthTwips, *this),
                             TwipsToPixelsY(kPictureHeightTwips, *this));

    QHBoxLayout* buttons = ButtonRow([this] { Accept(); });

    auto* layout = new QGridLayout(this);
    layout->addLayout(frames, 0, 0, 2, 1);
    layout->addWidget(picture_, 0, 1);
    layout->addLayout(buttons, 1, 1);
    // The gap between the frames and the radio is where the lines run.
    layout->setHorizontalSpacing(TwipsToPixelsX(600, *this));
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);

    FinishCreation();
    resize(sizeHint());
}

QGroupBox* KeyAssignmentDialog::BuildFrame(std::size_t frame) {
    const KeyFrame& keyFrame = kKeyFrames[frame];
    auto* box = new QGroupBox;
    box->setObjectName(QLatin1String(keyFrame.name));
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const bool longPress : {true, false}) {
        const KeyList& key = ListOf(keyFrame.key, longPress);
        auto* list = new QComboBox;
        list->setObjectName(ControlName("Combo", key.entry));
        FillList(*list, KeyFunctionList(key), Language::Chinese);
        // Never narrower than its longest function name.
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
        connect(list, &QComboBox::activated, this, [this, &key](int position) {
            program_.Changed(ChooseKeyFunction(program_.State(), key, position));
        });
        auto* label = new QLabel;
        label->setObjectName(ControlName("Label", key.entry));
        label->setBuddy(list);
        label->setMinimumWidth(LabelWidth(*label));
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        lists_[static_cast<std::size_t>(key.entry)] = list;
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void KeyAssignmentDialog::Refresh(Changes changes) {
    if (!changes.Has(StatePart::Form6)) return;
    for (const KeyList& key : kKeyLists) {
        const auto entry = static_cast<std::size_t>(key.entry);
        ShowListPosition(*lists_[entry], program_.State().Form6.Combo[entry + 1]);
    }
}

bool KeyAssignmentDialog::event(QEvent* event) {
    const bool handled = DialogWindow::event(event);
    // The layout has just taken in new captions (another language, another font): the window
    // grows when they need more room than the content area's least size.
    if (event->type() == QEvent::LayoutRequest) {
        const QSize content(TwipsToPixelsX(kContentWidthTwips, *this),
                            TwipsToPixelsY(kContentHeightTwips, *this));
        setMinimumSize(layout()->totalMinimumSize().expandedTo(content));
    }
    return handled;
}

void KeyAssignmentDialog::paintEvent(QPaintEvent* event) {
    DialogWindow::paintEvent(event);
    QPainter painter(this);
    const auto keys = DrawHandset(painter, QRectF(picture_->geometry()));
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    for (std::size_t frame = 0; frame < kKeyFrames.size(); ++frame) {
        const auto key = std::find_if(keys.begin(), keys.end(), [&](const HandsetKey& k) {
            return k.name == kKeyFrames[frame].key;
        });
        const QRect box = frames_[frame]->geometry();
        const QPointF from(box.right() + 2, box.center().y());
        painter.setPen(QPen(ink, 1.2));
        painter.drawLine(from, key->anchor);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(from, 2.5, 2.5);
        painter.drawEllipse(key->anchor, 2.5, 2.5);
    }
}

void KeyAssignmentDialog::Accept() {
    program_.Changed(StoreKeyFunctions(program_.State()));
    hide();
}

}  // namespace qv
