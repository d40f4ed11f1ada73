#include "gui/dialogs/dtmf_code_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <utility>

#include "rules/dialogs/optional_functions_rules.h"

namespace qv {
CellTable DtmfCodeCells(const Setup& setup,
                        std::function<void(int row, int column, std::string text)> edited) {
    CellTable table = CellsOf(setup.Form5.mfgrid1);
    table.editable = [](int, int column) { return DtmfCodeCellEditable(column); };
    table.edited = std::move(edited);
    return table;
}

DtmfCellEditor::DtmfCellEditor(QWidget* parent) : QLineEdit(parent) {
    // Text arrives by keys only: no input method, no drops, no context menu to paste from.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void DtmfCellEditor::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        const std::string pasted = QApplication::clipboard()->text().toStdString();
        insert(QString::fromStdString(DtmfCellText(pasted)));
        return;
    }
    const QString text = event->text();
    const bool typesCharacter =
        text.size() == 1 && (text[0].isPrint() || text[0] == QChar::fromLatin1(kKeyBackspace) ||
                             text[0] == QChar::fromLatin1(kKeyEnter));
    if (!typesCharacter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char16_t typed = text[0].unicode();
    const char key = typed < 0x80 ? DtmfCellKey(static_cast<char>(typed)) : '\0';
    if (key == '\0') {
        event->accept();
    } else if (key != static_cast<char>(typed)) {
        insert(QString(QChar::fromLatin1(key)));
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

QWidget* DtmfCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new DtmfCellEditor(parent);
    editor->setFrame(false);
    editor->setAccessibleName(CellTableModel::CellName(index));
    return editor;
}

DtmfCodeGrid::DtmfCodeGrid(CellTableModel& model, QWidget* parent) : QTableView(parent) {
    setModel(&model);
    setItemDelegateForColumn(kDtmfCodeColumn, new DtmfCellDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // A click or Enter opens the code cell's editor at once.
    const auto open = [this](const QModelIndex& index) {
        if (index.column() == kDtmfCodeColumn) edit(index);
    };
    connect(this, &QAbstractItemView::clicked, this, open);
    connect(this, &QAbstractItemView::activated, this, open);
}

void DtmfCodeGrid::CancelEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

}  // namespace qv
