// The Edit menu's clipboard commands: channel cells out as a table a spreadsheet takes, and a
// table in through the rules of typing, as one step.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>

#include "gui/mainwindow/channel_grid_model.h"
#include "gui/mainwindow/channel_grid_view.h"
#include "gui/mainwindow/main_window.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/channels/grid_clipboard.h"
#include "rules/channels/grid_rules.h"

namespace qv {
namespace {

// Refused cells listed in a message box, at most this many by name.
constexpr std::size_t kRefusalsNamed = 12;

// "G1-05, G1-06": channels by their labels, as the grid shows them.
std::string ChannelLabels(const std::vector<int>& channels) {
    std::string text;
    for (const int channel : channels) {
        if (!text.empty()) text += ", ";
        text += ChannelLabel(channel);
    }
    return text;
}

}  // namespace

void MainWindow::CopySelectedCells() {
    std::vector<GridCell> cells;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
        const int channel = ChannelGridModel::ChannelOfRow(index.row());
        if (index.column() != 0) {
            cells.push_back({channel, index.column()});
            continue;
        }
        // A channel's label stands for the whole channel.
        for (int column = 0; column < kGridColumns; ++column) cells.push_back({channel, column});
    }
    if (cells.empty()) return;
    const std::optional<std::string> table = CopyCells(state_, cells);
    if (!table) {
        // The clipboard keeps what it held: a paste of a table with holes would blank cells.
        program_.MessageBox().LocalMsgBox(
            std::string(DesktopTextOf(DesktopText::CopyNotATable,
                                      MessageLanguage(state_.LanguageIsEnglish))),
            kStyleOkInformation, "");
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(*table));
}

void MainWindow::PasteIntoGrid() {
    if (!state_.Grid1Enabled) return;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    const std::string table = QApplication::clipboard()->text().toStdString();
    if (table.empty()) return;
    const PasteOutcome pasted =
        PasteCells(state_, ChannelGridModel::ChannelOfRow(current.row()), current.column(), table,
                   CaptionLanguage(state_.LanguageIsEnglish));
    program_.Changed(pasted.changes);
    if (pasted.refused.empty() && pasted.deleted.empty()) return;
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    // Channels deleted are told first: the paste took them away, where a refused cell only did
    // not land.
    std::string text;
    if (!pasted.deleted.empty()) {
        text =
            DesktopTextWith(DesktopText::PasteDeleted, language,
                            {std::to_string(pasted.deleted.size()), ChannelLabels(pasted.deleted)});
    }
    std::string details;
    if (!pasted.refused.empty()) {
        if (!text.empty()) text += '\n';
        text += DesktopTextOf(DesktopText::PasteRefusedHead, language);
    }
    for (std::size_t k = 0; k < pasted.refused.size() && k < kRefusalsNamed; ++k) {
        details += DescribeRefusal(pasted.refused[k], language) + "\n";
    }
    if (pasted.refused.size() > kRefusalsNamed) {
        details += DesktopTextWith(DesktopText::PasteMore, language,
                                   {std::to_string(pasted.refused.size() - kRefusalsNamed)});
    }
    program_.MessageBox().LocalMsgBoxWithDetails(text, details, kStyleOkInformation, "");
}

}  // namespace qv
