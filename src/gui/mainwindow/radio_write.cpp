#include "gui/mainwindow/radio_write.h"

#include <QLabel>

#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "i18n/backup_texts.h"
#include "i18n/compare_texts.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "link/core/port_problem.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/dat_file.h"
#include "rules/program/file_commands.h"

namespace qv {
namespace {

// How many differences a message box lists before it says how many more there are.
constexpr std::size_t kDifferencesListed = 20;

// Yes and No with the exclamation icon, No the default: writing without a backup is not the
// answer Enter should give.
constexpr int kStyleYesNoExclamationNo = 0x4 | 0x30 | 0x100;

}  // namespace

RadioWrite::RadioWrite(Program& program, SerialPort& port, TransferView& window)
    : program_(program),
      window_(window),
      port_(port),
      keeper_(LocalPath(program.Paths().backupFolder)),
      resultLine_(new QLabel) {
    resultLine_->setObjectName(QStringLiteral("lblWriteResult"));
    resultLine_->hide();
    connect(&program_, &Program::StateChanged, this, [this](Changes changes) {
        if (changes.Has(StatePart::Language)) RefreshResultLine();
    });
}

RadioWrite::~RadioWrite() = default;

Language RadioWrite::CurrentLanguage() const {
    return MessageLanguage(program_.State().LanguageIsEnglish);
}

bool RadioWrite::Start(const BackupEntry* restore) {
    if (IsRunning()) return false;
    // The last write is over; it goes before the set-up it wrote can.
    run_.reset();
    CheckedWriteOptions options;
    options.backupFirst = program_.Options().backupBeforeWrite;
    options.verify = program_.Options().verifyAfterWrite;
    ProgramState* written = &program_.State();
    if (restore != nullptr) {
        // The backup's own set-up answers for its band and calibration; the shown one is left as
        // it is.
        auto state = std::make_unique<ProgramState>(program_.State());
        ImageBytes image{};
        Status opened = ReadDatFile(restore->path, image);
        if (opened.ok()) opened = OpenSetupFile(restore->path, *state, program_.MessageBox());
        if (!opened.ok()) {
            program_.MessageBox().LocalMsgBox(opened.Describe(CurrentLanguage()),
                                              FileMessageStyle(opened), "");
            return false;
        }
        options.image = image;
        restoreState_ = std::move(state);
        written = restoreState_.get();
    }
    toldUnsaved_ = false;
    heldSuccess_.reset();
    ShowResult(nullptr);
    run_ = std::make_unique<CheckedWrite>(*written, program_.MessageBox(), port_, *this, &keeper_);
    if (written == &program_.State()) {
        run_->Driver().SetStateChangedHandler(
            [this](Changes changes) { program_.Changed(changes); });
    }
    run_->SetWithoutBackupHandler(
        [this](const SavedBackup& backup) { return WriteWithoutBackup(backup); });
    run_->SetFinishedHandler([this](const CheckedWriteResult& result) { Finished(result); });
    run_->Start(options);
    return true;
}

void RadioWrite::KeepRead(const ImageBytes& image, int band, const PortName& port) {
    const SavedBackup kept = keeper_.Keep(image, band, BackupKind::Read, PortShortName(port));
    if (kept.Saved()) return;
    // The read's end is told from inside the engine's handling of the radio's reply.
    QMetaObject::invokeMethod(
        this, [this, kept] { TellUnsaved(kept); }, Qt::QueuedConnection);
}

void RadioWrite::SetTransferControlsEnabled(bool enabled) {
    // Between the steps of a write (its backup, the write, the read-back) nothing comes back.
    if (enabled && IsRunning()) return;
    window_.SetTransferControlsEnabled(enabled);
}

void RadioWrite::SetStatusText(const std::string& text) {
    const std::optional<MessageId> message = MessageOfText(text);
    if (IsRunning() && (message == MessageId::ReadSuccess || message == MessageId::WriteSuccess)) {
        heldSuccess_ = message;
        return;
    }
    window_.SetStatusText(text);
}

bool RadioWrite::WriteWithoutBackup(const SavedBackup& backup) {
    toldUnsaved_ = true;
    const std::string question =
        BackupText(BackupTextId::WriteWithoutBackup, CurrentLanguage(),
                   {backup.path.string(), backup.status.Describe(CurrentLanguage())});
    return program_.MessageBox().LocalMsgBox(question, kStyleYesNoExclamationNo, "") == kIdYes;
}

void RadioWrite::Finished(const CheckedWriteResult& result) {
    if (result.heldForBackup) {
        ShowResult([](Language language) {
            return BackupText(BackupTextId::NotWrittenNoBackup, language);
        });
    } else if (result.step == CheckedWriteStep::BackupRead &&
               result.outcome != TransferOutcome::PortNotOpen) {
        ShowResult([](Language language) {
            return std::string(DesktopTextOf(DesktopText::WriteStoppedAtBackup, language));
        });
    } else if (result.WriteCompleted() && result.step == CheckedWriteStep::VerifyRead) {
        if (!result.readBack) {
            ShowResult([](Language language) {
                return std::string(DesktopTextOf(DesktopText::WriteNotVerified, language));
            });
        } else if (result.differences.empty()) {
            ShowResult([](Language language) {
                return CompareText(CompareTextId::VerifyPassed, language);
            });
        } else {
            const std::string count = std::to_string(result.differences.size());
            ShowResult([count](Language language) {
                return CompareText(CompareTextId::VerifyFailed, language, {count});
            });
            program_.MessageBox().LocalMsgBoxWithDetails(
                CompareText(CompareTextId::VerifyFailed, CurrentLanguage(), {count}),
                DescribeDifferences(result.differences, DifferenceWording::Verify,
                                    CurrentLanguage(), kDifferencesListed),
                kStyleOkStop, "");
        }
    }
    // A backup the question before the write named is not told again.
    if (const SavedBackup* unsaved = result.UnsavedBackup(); unsaved && !toldUnsaved_) {
        TellUnsaved(*unsaved);
    }
    // Only now the write's success: what became of its backups comes first.
    const std::optional<MessageId> success =
        result.WriteCompleted() ? std::optional(MessageId::WriteSuccess) : heldSuccess_;
    heldSuccess_.reset();
    if (!success) return;
    window_.SetStatusText(std::string(MessageText(*success, CurrentLanguage())));
    // A success that no longer blinks, the boxes having taken longer than the blink, stays shown.
    if (result.WriteCompleted() && !run_->Driver().Engine().Variables().LingerActive) {
        window_.SetStatusVisible(true);
    }
}

void RadioWrite::TellUnsaved(const SavedBackup& backup) {
    program_.MessageBox().LocalMsgBox(
        BackupText(BackupTextId::NotSaved, CurrentLanguage(),
                   {backup.path.string(), backup.status.Describe(CurrentLanguage())}),
        kStyleOkInformation, "");
}

void RadioWrite::ShowResult(std::function<std::string(Language)> text) {
    resultText_ = std::move(text);
    RefreshResultLine();
}

void RadioWrite::RefreshResultLine() {
    resultLine_->setVisible(static_cast<bool>(resultText_));
    if (!resultText_) return;
    resultLine_->setText(ToQString(resultText_(CurrentLanguage())));
    resultLine_->setAccessibleName(resultLine_->text());
}

}  // namespace qv
