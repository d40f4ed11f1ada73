// Writes the fuzzers' starting inputs into the folder given as argument.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& name, std::span<const std::uint8_t> bytes) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    qv::test::QuietHost host;
    qv::ProgramState state = qv::StartupState(host);
    write("startup.bin", qv::EncodeImage(state));

    state.Grid1[1] = {"G1-01", "435.12500", "67.0", "435.12500", "D023N",
                      "高",    "关闭",      "宽带", "有"};
    state.Grid1[40] = {"G3- 08", "401.00625", "关闭", "", "", "低", "载波", "窄带", "无"};
    state.Combo1 = state.BandIndex = 5;
    state.OptionText[10] = "1";
    state.DtmfCodes[0] = "*0#ABCD";
    state.TestFrequencyTable[0][3] = "435.00000";
    state.EmbeddedInfo[0] = "QV-7100 shop";
    const qv::ImageBytes image = qv::EncodeImage(state);
    write("full.bin", image);
    std::vector<std::uint8_t> read(image.begin(), image.end());
    read.insert(read.end(), 16, 0xFF);  // a read brings 1536 bytes
    write("read.bin", read);
    std::vector<std::uint8_t> file(qv::kDatSignature.begin(), qv::kDatSignature.end());
    file.insert(file.end(), image.begin(), image.end());
    write("full.DAT", file);
    return 0;
}
