#include "gui/dialogs/dtmf_code_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <utility>

#include "rules/dialogs/optional_functions_rules.h"

namespace qv {
namespace {

constexpr int kCodeColumn = 1;

std::size_t GridRow(const QModelIndex& index) {
    return static_cast<std::size_t>(index.row() + 1);
}

}  // namespace

DtmfCodeModel::DtmfCodeModel(const Setup& setup, std::function<void(int, const QString&)> edited,
                             QObject* parent)
    : QAbstractTableModel(parent), setup_(setup), edited_(std::move(edited)) {}

int DtmfCodeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDtmfCodeRows;
}

int DtmfCodeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant DtmfCodeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const std::string& cell =
        setup_.Form5.mfgrid1[GridRow(index)][static_cast<std::size_t>(index.column())];
    return QString::fromStdString(cell);
}

bool DtmfCodeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kCodeColumn || role != Qt::EditRole) return false;
    edited_(index.row() + 1, value.toString());
    return true;
}

Qt::ItemFlags DtmfCodeModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == kCodeColumn) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant DtmfCodeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2) {
        return headers_[static_cast<std::size_t>(section)];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool DtmfCodeModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                  int role) {
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= 2) {
        return false;
    }
    headers_[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

void DtmfCodeModel::CellsChanged() {
    emit dataChanged(index(0, 0), index(kDtmfCodeRows - 1, 1));
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

QWidget* DtmfCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    (void)option;
    (void)index;
    auto* editor = new DtmfCellEditor(parent);
    editor->setFrame(false);
    return editor;
}

DtmfCodeGrid::DtmfCodeGrid(DtmfCodeModel& model, QWidget* parent) : QTableView(parent) {
    setModel(&model);
    setItemDelegateForColumn(kCodeColumn, new DtmfCellDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // A click or Enter opens the code cell's editor at once.
    const auto open = [this](const QModelIndex& index) {
        if (index.column() == kCodeColumn) edit(index);
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
