#include "mainwindow/file_commands.h"

#include "image/image_codec.h"
#include "mainwindow/dat_file.h"
#include "mainwindow/decode_image.h"

namespace qv {

Status OpenSetupFile(const std::filesystem::path& path, ProgramState& state, Host& host) {
    ImageBytes image;
    if (Status read = ReadDatFile(path, image); !read.ok()) return read;
    DecodeImageBytes(image, state, host);
    return Status::Ok();
}

Status SaveSetupFile(const std::filesystem::path& path, const Setup& setup) {
    return WriteDatFile(path, EncodeImageBytes(setup));
}

}  // namespace qv
