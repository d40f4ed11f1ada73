#include "gui/mainwindow/channel_grid_editors.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/mainwindow/channel_grid_editor_keys.h"
#include "gui/mainwindow/channel_grid_view.h"
#include "gui/shell/captions.h"
#include "gui/shell/list_controls.h"
#include "i18n/list_items.h"
#include "rules/channels/grid_rules.h"

namespace qv {
namespace {

const QColor kText1Background(255, 255, 192);
constexpr int kNoChoice = -1;

// Runs a commit with the editors knowing that the focus may move because of it.
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

GridEdit CellOf(const QModelIndex& index) {
    return {ChannelGridModel::ChannelOfRow(index.row()), index.column()};
}

}  // namespace

ChannelGridEditors::ChannelGridEditors(Program& program, ChannelGridView& grid)
    : ChannelGridDelegate(&grid), program_(program), state_(program.State()), grid_(grid) {
    BuildText1();
    BuildCombo8();
    BuildCombo5();
    grid_.setItemDelegate(this);
    connect(&grid_, &ChannelGridView::EditRequested, this, &ChannelGridEditors::Open);
    // A list opened by a press opens once the button is up: the release would close it.
    connect(&grid_, &ChannelGridView::PressReleased, this, [this] {
        auto* list = qobject_cast<QComboBox*>(open_);
        if (list != nullptr && listAfterRelease_) OpenList(*list);
        listAfterRelease_ = false;
    });
    // The open editor is named in the language the headers now read.
    connect(grid_.model(), &QAbstractItemModel::headerDataChanged, this,
            [this] { NameOpenEditor(); });
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
    connect(combo8_, &QComboBox::activated, this,
            [this](int position) { Chosen(*combo8_, position); });
    connect(combo8_->lineEdit(), &QLineEdit::textEdited, this, [this] { toneTyped_ = true; });
    toneList_ = combo8_->view();
    toneList_->installEventFilter(this);  // digits typed into the open list
}

void ChannelGridEditors::BuildCombo5() {
    for (const GridList& list : kCombo5Columns) {
        auto* combo = new QComboBox(grid_.viewport());
        combo->setObjectName(QStringLiteral("Combo5"));
        combo->setProperty(kElementProperty, list.column);
        FillList(*combo, list.list, CaptionLanguage(state_.LanguageIsEnglish));
        combo->hide();
        connect(combo, &QComboBox::activated, this,
                [this, combo](int position) { Chosen(*combo, position); });
        combo5_[static_cast<std::size_t>(list.column)] = combo;
    }
}

QWidget* ChannelGridEditors::EditorOfCell(int column) const {
    switch (EditorOfColumn(column)) {
        case CellEditor::Frequency:
            return text1_;
        case CellEditor::Tone:
            return combo8_;
        case CellEditor::List:
            return combo5_[static_cast<std::size_t>(column)];
        case CellEditor::None:
            break;
    }
    return nullptr;
}

void ChannelGridEditors::Open(const QModelIndex& index) {
    if (!grid_.isEnabled() || !index.isValid()) return;
    GridEdit edit;
    if (OpenCellEditor(state_, edit, ChannelGridModel::ChannelOfRow(index.row()), index.column()) ==
        CellEditor::None) {
        return;
    }
    // On an empty channel the receive cell becomes the current one.
    const QModelIndex cell =
        index.model()->index(ChannelGridModel::RowOfChannel(edit.EditRow), edit.EditCol);
    if (grid_.currentIndex() != cell) grid_.setCurrentIndex(cell);
    grid_.scrollTo(cell);
    if (!grid_.EditCell(cell)) return;
    auto* list = qobject_cast<QComboBox*>(open_);
    if (list == nullptr) return;
    if (grid_.PressHeld()) {
        listAfterRelease_ = true;
    } else {
        OpenList(*list);
    }
}

void ChannelGridEditors::OpenList(QComboBox& list) {
    ShowAsManyItemsAsFit(list);
    list.showPopup();
}

void ChannelGridEditors::NameOpenEditor() const {
    if (open_ == nullptr || !openCell_.isValid()) return;
    // A screen reader names the editor and its list after the cell: column header and channel.
    const QString name = CellTableModel::CellName(openCell_);
    open_->setAccessibleName(name);
    if (auto* list = qobject_cast<QComboBox*>(open_)) {
        list->view()->setAccessibleName(name);
        if (QLineEdit* box = list->lineEdit()) box->setAccessibleName(name);
    }
}

QWidget* ChannelGridEditors::createEditor(QWidget*, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    QWidget* editor = EditorOfCell(index.column());
    if (editor == nullptr) return nullptr;
    open_ = editor;
    openCell_ = index;
    listAfterRelease_ = false;
    loaded_ = false;
    toneTyped_ = false;
    chosen_ = kNoChoice;
    return editor;
}

void ChannelGridEditors::destroyEditor(QWidget* editor, const QModelIndex&) const {
    if (editor == open_) open_ = nullptr;
}

void ChannelGridEditors::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (editor != open_ || loaded_) return;
    loaded_ = true;
    const GridEdit edit = CellOf(index);
    const QString text = ToQString(state_.Grid1[edit.EditRow][edit.EditCol]);
    const int position = OpeningPosition(state_, edit);
    if (editor == text1_) {
        text1_->setText(text);
    } else if (editor == combo8_) {
        const QSignalBlocker blocker(combo8_);
        combo8_->setCurrentIndex(position);
        if (position < 0) combo8_->setEditText(text);
        combo8_->lineEdit()->selectAll();  // typing replaces the tone
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // Showing the cell's item is no choice of the user.
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(position);
    }
    NameOpenEditor();
}

void ChannelGridEditors::setModelData(QWidget* editor, QAbstractItemModel*,
                                      const QModelIndex& index) const {
    if (committing_) return;
    const CommitScope scope(committing_);
    const GridEdit edit = CellOf(index);
    if (editor == text1_) {
        const FrequencyCommit commit =
            CommitFrequency(state_, program_.MessageBox(), edit, text1_->text().toStdString());
        if (commit.outOfBand) grid_.setFocus(Qt::OtherFocusReason);
        program_.Changed(commit.changes);
    } else if (editor == combo8_) {
        if (chosen_ != kNoChoice) {
            program_.Changed(ChooseTone(state_, edit, chosen_));
        } else {
            const int position = toneTyped_ ? kTypedTone : combo8_->currentIndex();
            program_.Changed(
                CommitTypedTone(state_, edit, combo8_->currentText().toStdString(), position));
        }
    } else if (chosen_ != kNoChoice) {
        program_.Changed(ChooseListItem(state_, edit, chosen_));  // a list commits only a choice
    }
}

void ChannelGridEditors::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
    // The text box takes the cell's height; a list keeps its own.
    const QRect cell = option.rect;
    const int height = editor == text1_ ? cell.height() : editor->sizeHint().height();
    editor->setGeometry(cell.x(), cell.y(), cell.width(), height);
}

bool ChannelGridEditors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toneList_) {
        return event->type() == QEvent::KeyPress && KeyInToneList(*static_cast<QKeyEvent*>(event));
    }
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor == nullptr || editor != open_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return KeyPressed(*editor, *static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // Back from its list, the tone editor's text is replaced by typing until the user
            // has typed.
            if (editor == combo8_ && !toneTyped_) combo8_->lineEdit()->selectAll();
            return false;
        case QEvent::FocusOut:
            if (LeavesTheEditor(editor, QApplication::focusWidget(),
                                static_cast<QFocusEvent*>(event)->reason())) {
                Leave(*editor);
            }
            return false;
        default:
            return false;
    }
}

bool ChannelGridEditors::KeyPressed(QWidget& editor, const QKeyEvent& key) {
    const EditorKey action =
        &editor == text1_ || &editor == combo8_ ? KeyInNumberEditor(key) : KeyInListEditor(key);
    switch (action) {
        case EditorKey::Pass:
            return false;
        case EditorKey::Drop:
            return true;
        case EditorKey::Back:
            grid_.setFocus(Qt::OtherFocusReason);  // which leaves the editor
            Leave(editor);                         // unless the focus was elsewhere already
            return true;
        case EditorKey::Revert:
            Drop(editor);
            return true;
    }
    return false;
}

bool ChannelGridEditors::KeyInToneList(QKeyEvent& key) {
    // Letters, arrows, Enter and Escape keep their work in the list; a tone is typed into the
    // box, as if the list had not been open.
    if (open_ != combo8_ || !TypesIntoNumberEditor(key)) return false;
    combo8_->hidePopup();
    QKeyEvent typed(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                    static_cast<quint16>(key.count()));
    QApplication::sendEvent(combo8_, &typed);
    return true;
}

void ChannelGridEditors::Leave(QWidget& editor) {
    if (&editor != open_ || committing_) return;
    emit commitData(&editor);
    emit closeEditor(&editor, QAbstractItemDelegate::NoHint);
}

void ChannelGridEditors::Drop(QWidget& editor) {
    if (&editor != open_ || committing_) return;
    open_ = nullptr;  // nothing it holds is taken, also when the focus now leaves it
    emit closeEditor(&editor, QAbstractItemDelegate::RevertModelCache);
    grid_.setFocus(Qt::OtherFocusReason);
}

void ChannelGridEditors::Chosen(QComboBox& list, int position) {
    // A list set while it is hidden is no choice of the user.
    if (&list != open_) return;
    chosen_ = position;
    grid_.setFocus(Qt::OtherFocusReason);  // which leaves the editor and commits the choice
    Leave(list);                           // unless the focus was elsewhere already
}

}  // namespace qv
