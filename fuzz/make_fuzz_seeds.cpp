// Writes the fuzzers' starting inputs into the folder given as argument.
#include <filesystem>
#include <fstream>
#include <string>

#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };
    qv::test::QuietHost host;
    qv::ProgramState state = qv::StartupState(host);
    write("startup.hex", qv::EncodeImage(state));

    state.Grid1[1] = {"G1-01", "435.12500", "67.0", "435.12500", "D023N",
                      "高",    "关闭",      "宽带", "有"};
    state.Grid1[40] = {"G3- 08", "401.00625", "关闭", "", "", "低", "载波", "窄带", "无"};
    state.Combo1 = state.BandIndex = 5;
    state.OptionText[10] = "1";
    state.DtmfCodes[0] = "*0#ABCD";
    state.TestFrequencyTable[0][3] = "435.00000";
    state.EmbeddedInfo[0] = "QV-7100 shop";
    const std::string image = qv::EncodeImage(state);
    write("full.hex", image);
    write("read.hex", image + std::string(32, 'F'));
    const qv::ImageBytes bytes = qv::EncodeImageBytes(state);
    write("full.DAT", std::string(qv::kDatSignature) + std::string(bytes.begin(), bytes.end()));
    return 0;
}
