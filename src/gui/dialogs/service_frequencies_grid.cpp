#include "gui/dialogs/service_frequencies_grid.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <utility>

#include "gui/shell/plain_header.h"
#include "gui/shell/twips.h"
#include "image/held_controls.h"
#include "rules/dialogs/service_frequencies_rules.h"

namespace qv {
namespace {

constexpr int kColumns = 3;
constexpr std::array<int, kColumns> kColumnTwips = {900, 1530, 1530};
constexpr int kRowTwips = 300;

}  // namespace

CellTable ServiceFrequencyCells(const Setup& setup,
                                std::function<void(int row, int column, std::string text)> edited) {
    CellTable table = CellsOf(setup.Form4.mfgrid1);
    table.editable = [&setup](int row, int column) {
        return TestFrequencyCellEditable(setup, row, column);
    };
    table.edited = std::move(edited);
    // The label column is fixed, like the header row.
    table.background = [](int, int column) -> QVariant {
        if (column == 0) return QGuiApplication::palette().button();
        return {};
    };
    table.alignment = Qt::AlignCenter;
    table.namesCells = true;
    return table;
}

QWidget* ServiceFrequencyCellDelegate::createEditor(QWidget* parent,
                                                    const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setAlignment(Qt::AlignCenter);
    if (editor != nullptr) editor->setAccessibleName(CellTableModel::CellName(index));
    return editor;
}

void ServiceFrequencyCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                                const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (line != nullptr && !line->isModified()) return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

ServiceFrequenciesGrid::ServiceFrequenciesGrid(CellTableModel& model, QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("mfgrid1"));
    setModel(&model);
    setItemDelegate(new ServiceFrequencyCellDelegate(this));
    setHorizontalHeader(new PlainHeader(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    // Moving with the arrow keys only moves; typing, Enter or F2 start an edit, a click at once.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(this, &QAbstractItemView::clicked, this, &ServiceFrequenciesGrid::EditIfAllowed);
    connect(this, &QAbstractItemView::activated, this, &ServiceFrequenciesGrid::EditIfAllowed);
    setTabKeyNavigation(false);  // Tab goes on to OK and Cancel
    connect(&model, &QAbstractItemModel::headerDataChanged, this, [this] { ApplyGeometry(); });
    ApplyGeometry();
}

void ServiceFrequenciesGrid::EditIfAllowed(const QModelIndex& index) {
    // The label column and a transmit frequency without a receive frequency stay as they are.
    if (index.flags().testFlag(Qt::ItemIsEditable)) edit(index);
}

QSize ServiceFrequenciesGrid::sizeHint() const {
    int width = 0;
    for (int column = 0; column < kColumns; ++column) width += columnWidth(column);
    const int height = horizontalHeader()->sizeHint().height() +
                       kTestChannels * verticalHeader()->defaultSectionSize();
    return QSize(width, height) + QSize(2 * frameWidth(), 2 * frameWidth());
}

void ServiceFrequenciesGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyGeometry();
}

void ServiceFrequenciesGrid::ApplyGeometry() {
    ApplyTwipsGeometry(*this, kColumnTwips, kRowTwips);
}

}  // namespace qv
