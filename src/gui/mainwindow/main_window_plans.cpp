// Channel plans in and out (CSV files), and the set-up on paper or in a PDF file.
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/dialogs/plan_import_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/mainwindow/setup_page.h"
#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_export.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/plans/plan_file.h"
#include "rules/program/file_commands.h"
#include "rules/program/print_sheet.h"

namespace qv {
namespace {

QString FilterText(DesktopText filter, int languageIsEnglish) {
    return ToQString(DesktopTextOf(filter, MessageLanguage(languageIsEnglish)));
}

// A file dialog is titled as the command that opened it, in the language of the windows.
QString DialogTitle(DesktopText title, int languageIsEnglish) {
    return ToQString(DesktopTextOf(title, CaptionLanguage(languageIsEnglish)));
}

// The page's date: the same digits in either language.
std::string Today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace

void MainWindow::ImportChannels() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowTitle(DialogTitle(DesktopText::ImportTitle, state_.LanguageIsEnglish));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(FilterText(DesktopText::CsvFilter, state_.LanguageIsEnglish));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
    std::string csv;
    if (const Status read = ReadPlanFile(LocalPath(file), csv); !read.ok()) {
        ShowMessage(read);
        return;
    }
    PlanImportWindow window(state_, std::move(csv), file, CaptionLanguage(state_.LanguageIsEnglish),
                            this);
    if (window.exec() != QDialog::Accepted) return;
    const ChannelPlanImport& imported = window.Import();
    if (imported.refused) return;
    // One step: the grid as the window showed it would become.
    static_cast<Setup&>(state_) = imported.setup;
    program_.Changed(StatePart::Grid);
}

QString MainWindow::ChooseFileToWrite(const QString& title, const QString& filter,
                                      const QString& suffix) {
    for (;;) {
        QFileDialog dialog(this);
        dialog.setObjectName(QStringLiteral("CommonDialog1"));
        dialog.setWindowTitle(title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(filter);
        dialog.setDefaultSuffix(suffix);
        // The program asks its own question, in its own language, and No returns to the dialog.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString file = QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
        if (QFileInfo::exists(file) && !ConfirmOverwrite(state_, program_.MessageBox())) continue;
        return file;
    }
}

void MainWindow::ExportChannels() {
    const QString file = ChooseFileToWrite(
        DialogTitle(DesktopText::ExportCsvTitle, state_.LanguageIsEnglish),
        FilterText(DesktopText::CsvFilter, state_.LanguageIsEnglish), QStringLiteral("csv"));
    if (file.isEmpty()) return;
    const ChannelPlanExport exported = ExportChannelPlan(state_);
    if (const Status written = WritePlanFile(LocalPath(file), exported.csv); !written.ok()) {
        ShowMessage(written);
        return;
    }
    // Said as the file is written, with what the file does not carry as the grid shows it: worth
    // knowing before it is sent on.
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    std::string details;
    for (const ChannelPlanExportNote& note : exported.notes) {
        details += std::to_string(note.channel) + " " + ChannelLabel(note.channel) + ": " +
                   Describe(note, language) + "\n";
    }
    program_.MessageBox().LocalMsgBoxWithDetails(
        DesktopTextWith(DesktopText::ExportDone, language,
                        {std::to_string(exported.channels.size()),
                         QDir::toNativeSeparators(file).toStdString()}),
        details, kStyleOkInformation, "");
}

void MainWindow::PrintSetup() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("QV-7100"));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted) return;
    PaintSetupPage(printer, BuildPrintSheet(state_, program_.History().File(), Today(),
                                            CaptionLanguage(state_.LanguageIsEnglish)));
}

void MainWindow::ExportPdf() {
    const QString file = ChooseFileToWrite(
        DialogTitle(DesktopText::ExportPdfTitle, state_.LanguageIsEnglish),
        FilterText(DesktopText::PdfFilter, state_.LanguageIsEnglish), QStringLiteral("pdf"));
    if (file.isEmpty()) return;
    // Drawn in memory first, then written as every file of the program is: a failed write leaves
    // the file that was there as it was, and says why.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QStringLiteral("QV-7100"));
        writer.setCreator(QStringLiteral("QV-7100"));
        PaintSetupPage(writer, BuildPrintSheet(state_, program_.History().File(), Today(),
                                               CaptionLanguage(state_.LanguageIsEnglish)));
    }
    const Status written = WritePlanFile(LocalPath(file), pdf.data().toStdString());
    if (!written.ok()) {
        ShowMessage(written);
        return;
    }
    program_.MessageBox().LocalMsgBox(
        DesktopTextWith(DesktopText::PdfDone, MessageLanguage(state_.LanguageIsEnglish),
                        {QDir::toNativeSeparators(file).toStdString()}),
        kStyleOkInformation, "");
}

}  // namespace qv
