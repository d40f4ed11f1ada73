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

namespace qv {
namespace {

// Refused cells listed in a message box, at most this many by name.
constexpr std::size_t kRefusalsNamed = 12;

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
    QApplication::clipboard()->setText(QString::fromStdString(CopyCells(state_, cells)));
}

void MainWindow::PasteIntoGrid() {
    if (!state_.Grid1Enabled) return;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (text.empty()) return;
    const PasteOutcome pasted =
        PasteCells(state_, ChannelGridModel::ChannelOfRow(current.row()), current.column(), text,
                   CaptionLanguage(state_.LanguageIsEnglish));
    program_.Changed(pasted.changes);
    if (pasted.refused.empty()) return;
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    std::string details;
    for (std::size_t k = 0; k < pasted.refused.size() && k < kRefusalsNamed; ++k) {
        details += DescribeRefusal(pasted.refused[k], language) + "\n";
    }
    if (pasted.refused.size() > kRefusalsNamed) {
        details += DesktopTextWith(DesktopText::PasteMore, language,
                                   {std::to_string(pasted.refused.size() - kRefusalsNamed)});
    }
    program_.MessageBox().LocalMsgBoxWithDetails(
        std::string(DesktopTextOf(DesktopText::PasteRefusedHead, language)), details,
        kStyleOkInformation, "");
}

}  // namespace qv
