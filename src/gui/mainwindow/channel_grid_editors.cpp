#include "gui/mainwindow/channel_grid_editors.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "i18n/list_items.h"
#include "gui/mainwindow/channel_grid_view.h"
#include "gui/mainwindow/channel_grid_editor_keys.h"
#include "rules/channels/grid_rules.h"
#include "gui/shell/captions.h"
#include "gui/shell/list_controls.h"

namespace qv {
namespace {

const QColor kText1Background(255, 255, 192);

// Runs a commit with the editors knowing that the focus moves because of it.
class CommitScope {
  public:
    explicit CommitScope(bool& committing) : committing_(committing) { committing_ = true; }
    ~CommitScope() { committing_ = false; }
    CommitScope(const CommitScope&) = delete;
    CommitScope& operator=(const CommitScope&) = delete;

  private:
    bool& committing_;
};

// Whether the focus going to `next` leaves `editor`. Its own list (a window of its own, but a
// child of the editor), a menu or another window are left only for a while: the user comes back.
bool LeavesTheEditor(const QObject* editor, const QObject* next, Qt::FocusReason reason) {
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
    for (const QObject* at = next; at != nullptr; at = at->parent()) {
        if (at == editor) return false;
    }
    return true;
}

}  // namespace

ChannelGridEditors::ChannelGridEditors(Program& program, ChannelGridView& grid)
    : QObject(&grid), program_(program), state_(program.State()), grid_(grid) {
    BuildText1();
    BuildCombo8();
    BuildCombo5();
    connect(&grid_, &ChannelGridView::EditRequested, this, &ChannelGridEditors::Open);
    // The editor follows its cell when the grid scrolls or a row or column changes size.
    connect(grid_.horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelGridEditors::Place);
    connect(grid_.verticalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGridEditors::Place);
    connect(grid_.horizontalHeader(), &QHeaderView::sectionResized, this,
            &ChannelGridEditors::Place);
    connect(grid_.verticalHeader(), &QHeaderView::sectionResized, this, &ChannelGridEditors::Place);
}

void ChannelGridEditors::BuildText1() {
    text1_ = new QLineEdit(grid_.viewport());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(kFrequencyEditorChars);
    text1_->setFrame(false);
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Base, kText1Background);
    text1_->setPalette(palette);
    text1_->hide();
    text1_->installEventFilter(this);
}

void ChannelGridEditors::BuildCombo8() {
    combo8_ = new QComboBox(grid_.viewport());
    combo8_->setObjectName(QStringLiteral("Combo8"));
    combo8_->setEditable(true);
    // A typed tone stays as typed: no completion from the list, no new item.
    combo8_->setCompleter(nullptr);
    combo8_->setInsertPolicy(QComboBox::NoInsert);
    FillList(*combo8_, ListId::Tone, CaptionLanguage(state_.LanguageIsEnglish));
    combo8_->hide();
    combo8_->installEventFilter(this);
    connect(combo8_, &QComboBox::activated, this, &ChannelGridEditors::ToneChosen);
    connect(combo8_->lineEdit(), &QLineEdit::textEdited, this, [this] { toneTyped_ = true; });
}

void ChannelGridEditors::BuildCombo5() {
    for (const GridList& list : kCombo5Columns) {
        auto* combo = new QComboBox(grid_.viewport());
        combo->setObjectName(QStringLiteral("Combo5"));
        combo->setProperty(kElementProperty, list.column);
        FillList(*combo, list.list, CaptionLanguage(state_.LanguageIsEnglish));
        combo->hide();
        combo->installEventFilter(this);
        const int column = list.column;
        connect(combo, &QComboBox::activated, this,
                [this, column](int position) { ListChosen(column, position); });
        combo5_[static_cast<std::size_t>(column)] = combo;
    }
}

void ChannelGridEditors::Open(const QModelIndex& index) {
    if (!grid_.isEnabled() || !index.isValid()) return;
    Hide();
    const CellEditor editor =
        OpenCellEditor(state_, edit_, ChannelGridModel::ChannelOfRow(index.row()), index.column());
    if (editor == CellEditor::None) return;
    // On an empty channel the receive cell becomes the current one.
    const QModelIndex cell =
        index.model()->index(ChannelGridModel::RowOfChannel(edit_.EditRow), edit_.EditCol);
    if (grid_.currentIndex() != cell) grid_.setCurrentIndex(cell);
    grid_.scrollTo(cell);
    const QString text = ToQString(state_.Grid1[edit_.EditRow][edit_.EditCol]);
    const int position = OpeningPosition(state_, edit_);
    switch (editor) {
        case CellEditor::Frequency:
            text1_->setText(text);
            text1_->selectAll();
            Show(*text1_);
            break;
        case CellEditor::Tone: {
            {
                const QSignalBlocker blocker(combo8_);
                combo8_->setCurrentIndex(position);
                if (position < 0) combo8_->setEditText(text);
            }
            combo8_->lineEdit()->selectAll();  // typing replaces the tone
            toneTyped_ = false;
            Show(*combo8_);
            combo8_->showPopup();
            break;
        }
        case CellEditor::List: {
            QComboBox* list = combo5_[static_cast<std::size_t>(edit_.EditCol)];
            {
                // Still hidden: showing the cell's item is no choice of the user.
                const QSignalBlocker blocker(list);
                list->setCurrentIndex(position);
            }
            Show(*list);
            list->showPopup();
            break;
        }
        case CellEditor::None:
            break;
    }
}

void ChannelGridEditors::Show(QWidget& editor) {
    shown_ = &editor;
    Place();
    // A screen reader names the editor after its cell: the column header and the channel.
    const QString header = grid_.model()->headerData(edit_.EditCol, Qt::Horizontal).toString();
    editor.setAccessibleName(header + QStringLiteral(", ") +
                             ToQString(state_.Grid1[edit_.EditRow][0]));
    editor.show();
    editor.raise();
    editor.setFocus(Qt::OtherFocusReason);
}

void ChannelGridEditors::Place() {
    if (shown_ == nullptr) return;
    const QRect cell = grid_.visualRect(
        grid_.model()->index(ChannelGridModel::RowOfChannel(edit_.EditRow), edit_.EditCol));
    // The text box takes the cell's height; a list keeps its own.
    const int height = shown_ == text1_ ? cell.height() : shown_->sizeHint().height();
    shown_->setGeometry(cell.x(), cell.y(), cell.width(), height);
}

void ChannelGridEditors::Hide() {
    // Forgotten first: hiding moves the focus, which is no leaving of the editor.
    QWidget* editor = shown_;
    shown_ = nullptr;
    if (editor != nullptr) editor->hide();
}

bool ChannelGridEditors::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return KeyPressed(watched, *static_cast<QKeyEvent*>(event));
    }
    // Back from its list, the tone editor's text is replaced by typing until the user has typed.
    if (event->type() == QEvent::FocusIn && watched == combo8_ && shown_ == combo8_ &&
        !toneTyped_) {
        combo8_->lineEdit()->selectAll();
    }
    if (event->type() == QEvent::FocusOut &&
        LeavesTheEditor(watched, QApplication::focusWidget(),
                        static_cast<QFocusEvent*>(event)->reason())) {
        LeftEditor(watched);
    }
    return false;
}

bool ChannelGridEditors::KeyPressed(QObject* editor, const QKeyEvent& key) {
    if (editor != shown_) return false;
    const EditorKey action =
        editor == text1_ || editor == combo8_ ? KeyInNumberEditor(key) : KeyInListEditor(key);
    switch (action) {
        case EditorKey::Pass:
            return false;
        case EditorKey::Drop:
            return true;
        case EditorKey::Back:
            grid_.setFocus(Qt::OtherFocusReason);
            return true;
    }
    return false;
}

void ChannelGridEditors::LeftEditor(QObject* editor) {
    if (editor != shown_ || committing_) return;
    if (editor == text1_) {
        FrequencyLeft();
    } else if (editor == combo8_) {
        ToneLeft();
    } else {
        Hide();  // a list commits only when an item is chosen
    }
}

void ChannelGridEditors::FrequencyLeft() {
    const CommitScope scope(committing_);
    const std::string text = text1_->text().toStdString();
    Hide();
    const FrequencyCommit commit = CommitFrequency(state_, program_.MessageBox(), edit_, text);
    if (commit.outOfBand) grid_.setFocus(Qt::OtherFocusReason);
    program_.Changed(commit.changes);
}

void ChannelGridEditors::ToneChosen(int position) {
    if (shown_ != combo8_) return;
    const CommitScope scope(committing_);
    grid_.setFocus(Qt::OtherFocusReason);
    Hide();
    program_.Changed(ChooseTone(state_, edit_, position));
}

void ChannelGridEditors::ToneLeft() {
    const CommitScope scope(committing_);
    const std::string text = combo8_->currentText().toStdString();
    const int position = toneTyped_ ? kTypedTone : combo8_->currentIndex();
    Hide();
    program_.Changed(CommitTypedTone(state_, edit_, text, position));
}

void ChannelGridEditors::ListChosen(int column, int position) {
    // A list set while it is hidden is no choice of the user.
    if (shown_ != combo5_[static_cast<std::size_t>(column)]) return;
    const CommitScope scope(committing_);
    grid_.setFocus(Qt::OtherFocusReason);
    Hide();
    program_.Changed(ChooseListItem(state_, edit_, position));
}

}  // namespace qv
