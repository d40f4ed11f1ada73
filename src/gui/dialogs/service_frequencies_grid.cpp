#include "gui/dialogs/service_frequencies_grid.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <utility>

#include "rules/dialogs/service_frequencies_rules.h"
#include "image/held_controls.h"
#include "gui/shell/captions.h"
#include "gui/shell/twips.h"

namespace qv {
namespace {

constexpr int kColumns = 3;
constexpr std::array<int, kColumns> kColumnTwips = {900, 1530, 1530};
constexpr int kRowTwips = 300;

}  // namespace

TestFrequencyModel::TestFrequencyModel(const Setup& setup, EditHandler edit, QObject* parent)
    : QAbstractTableModel(parent), setup_(setup), edit_(std::move(edit)) {}

int TestFrequencyModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTestChannels;
}

int TestFrequencyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

const std::string& TestFrequencyModel::Cell(const QModelIndex& index) const {
    return setup_.Form4.mfgrid1[static_cast<std::size_t>(GridRow(index))]
                               [static_cast<std::size_t>(index.column())];
}

QVariant TestFrequencyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQString(Cell(index));
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignCenter);
        case Qt::BackgroundRole:
            // The label column is fixed, like the header row.
            if (index.column() == 0) return QGuiApplication::palette().button();
            return {};
        case Qt::AccessibleTextRole: {
            // A screen reader names each cell by its column and test channel.
            const QString text = ToQString(Cell(index));
            if (index.column() == 0) return text;
            return headers_[static_cast<std::size_t>(index.column())] + QStringLiteral(", ") +
                   ToQString(setup_.Form4.mfgrid1[static_cast<std::size_t>(GridRow(index))][0]) +
                   QStringLiteral(": ") + text;
        }
        default:
            return {};
    }
}

bool TestFrequencyModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    edit_(GridRow(index), index.column(), value.toString().toStdString());
    return true;
}

QVariant TestFrequencyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return headers_[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
    return {};
}

bool TestFrequencyModel::setHeaderData(int section, Qt::Orientation orientation,
                                       const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return false;
    if (role != Qt::EditRole && role != Qt::DisplayRole) return false;
    headers_[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags TestFrequencyModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (TestFrequencyCellEditable(setup_, GridRow(index), index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

void TestFrequencyModel::CellsChanged() {
    emit dataChanged(index(0, 0), index(kTestChannels - 1, kColumns - 1),
                     {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
}

QWidget* TestFrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setAlignment(Qt::AlignCenter);
    return editor;
}

void TestFrequencyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (line != nullptr && !line->isModified()) return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

TestFrequencyView::TestFrequencyView(TestFrequencyModel& model, QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("mfgrid1"));
    setModel(&model);
    setItemDelegate(new TestFrequencyDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    // Moving with the arrow keys only moves; typing, Enter or F2 start an edit, a click at once.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(this, &QAbstractItemView::clicked, this, &TestFrequencyView::EditIfAllowed);
    connect(this, &QAbstractItemView::activated, this, &TestFrequencyView::EditIfAllowed);
    setTabKeyNavigation(false);  // Tab goes on to OK and Cancel
    connect(&model, &QAbstractItemModel::headerDataChanged, this, [this] { ApplyGeometry(); });
    ApplyGeometry();
}

void TestFrequencyView::EditIfAllowed(const QModelIndex& index) {
    // The label column and a transmit frequency without a receive frequency stay as they are.
    if (index.flags().testFlag(Qt::ItemIsEditable)) edit(index);
}

QSize TestFrequencyView::sizeHint() const {
    int width = 0;
    for (int column = 0; column < kColumns; ++column) width += columnWidth(column);
    const int height = horizontalHeader()->sizeHint().height() +
                       kTestChannels * verticalHeader()->defaultSectionSize();
    return QSize(width, height) + QSize(2 * frameWidth(), 2 * frameWidth());
}

void TestFrequencyView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyGeometry();
}

void TestFrequencyView::ApplyGeometry() {
    ApplyTwipsGeometry(*this, kColumnTwips, kRowTwips);
}

}  // namespace qv
