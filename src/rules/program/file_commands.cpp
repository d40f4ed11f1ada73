#include "rules/program/file_commands.h"

#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"

namespace qv {

Status OpenSetupFile(const std::filesystem::path& path, ProgramState& state, Host& host) {
    ImageBytes image;
    if (Status read = ReadDatFile(path, image); !read.ok()) return read;
    DecodeImageBytes(image, state, host);
    return Status::Ok();
}

Status SaveSetupFile(const std::filesystem::path& path, const Setup& setup) {
    return WriteDatFile(path, EncodeImage(setup));
}

Changes NewCommand(ProgramState& state, Host& host) {
    const Language language = MessageLanguage(state.LanguageIsEnglish);
    const int answer = host.LocalMsgBox(std::string(MessageText(MessageId::NewQuestion, language)),
                                        kStyleOkCancelExclamation,
                                        std::string(MessageText(MessageId::NewTitle, language)));
    if (answer == kIdCancel) return {};
    ClearGrid1(state);
    return StatePart::Grid;
}

bool ConfirmOverwrite(const Session& session, Host& host) {
    const Language language = MessageLanguage(session.LanguageIsEnglish);
    return host.LocalMsgBox(std::string(MessageText(MessageId::OverwriteQuestion, language)),
                            kStyleYesNoQuestion, "") != kIdNo;
}

int FileMessageStyle(const Status& status) {
    return status.message() == MessageId::WrongFileType ? kStyleOk : kStyleOkStop;
}

std::string SavedWindowTitle(const std::string& fullFileName) {
    return std::string(kApplicationTitle) + "-" + fullFileName;
}

}  // namespace qv
