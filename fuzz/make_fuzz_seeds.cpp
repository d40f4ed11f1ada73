// Writes the fuzzers' starting inputs into the folder given as argument: image and file inputs at
// its top, shared by the decoder, file and transfer fuzzers, and channel plans for the plan
// fuzzer in its folder fuzz_csv_import (their first byte picks band and language, the second where
// the rows go: 0 to 47 from channel 1 to 48, 48 from the first empty one, 49 at their Locations),
// and set-ups as text for the text fuzzer in its folder fuzz_setup_text (their first byte picks
// the language of the grid's cells).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "rules/plans/channel_plan_export.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_text.h"
#include "support/quiet_host.h"
#include "support/random_setup.h"

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

    const std::filesystem::path texts = folder / "fuzz_setup_text";
    std::filesystem::create_directories(texts);
    const auto setupText = [&](const std::string& name, char language, const std::string& yaml) {
        std::ofstream(texts / name, std::ios::binary) << language << yaml;
    };
    setupText("startup.yaml", '\1', qv::WriteSetupText(qv::StartupState(host)).text);
    // With the values the windows refuse: each a line the reader refuses.
    setupText("full.yaml", '\0', qv::WriteSetupText(state).text);
    setupText("every-channel.yaml", '\1',
              qv::WriteSetupText(qv::test::RandomSetups(1, 1.0).Next()).text);
    setupText("bare.yaml", '\0', "format: 1\n");
    setupText("flow.yaml", '\1',
              "{format: 1, band: 450-490MHz, channels: [{channel: G2-01, rx: 455.0, power: 低}], "
              "keys: {kb3_long: Alarm}, embedded_info: {line_1: \"a\\x00b\"}}\n");
    setupText("errors.yaml", '\0',
              "format: 1\nband: 400-470MHz\nchannels:\n  - channel: G1-01\n    rx: 480\n"
              "  - channel: G1-01\n    rx: 435.1\n    pwoer: Low\ndtmf:\n  code_1: \"E\"\n"
              "calibration: &a\n  high_power: 300\nhidden_texts: *a\n");

    const std::filesystem::path plans = folder / "fuzz_csv_import";
    std::filesystem::create_directories(plans);
    constexpr char kFromFirstEmpty = 48;
    constexpr char kAtLocation = 49;
    const auto plan = [&](const std::string& name, char choice, char placement,
                          const std::string& text) {
        std::ofstream(plans / name, std::ios::binary) << choice << placement << text;
    };
    const std::string header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    plan("tone-modes.csv", '\0', '\0',
         header +
             "0,None,435.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
             "1,Tone,435.025000,+,5.000000,Tone,88.5,100.0,031,NN,032,Tone->Tone,NFM,5.00,S,"
             "Low,,,,,\r\n"
             "2,TSQL,435.050000,-,7.600000,TSQL,67.0,100.0,031,NN,032,Tone->Tone,FM,5.00,,"
             "5.0W,,,,,\r\n"
             "3,DTCS,435.075000,split,401.012500,DTCS,88.5,88.5,754,RN,023,Tone->Tone,FM,6.25,"
             ",1.0W,,,,,\r\n"
             "4,T-D,435.100000,off,0.000000,Cross,151.4,88.5,023,RN,032,Tone->DTCS,FM,5.00,,"
             "High,,,,,\r\n"
             "5,D-T,480.000000,,0.000000,Cross,88.5,186.2,246,RN,023,DTCS->Tone,AM,5.00,,"
             "High,,,,,\r\n"
             "6,D-D,435.125000,,0.000000,Cross,88.5,199.5,023,RR,754,DTCS->DTCS,FM,5.00,,"
             "High,,,,,\r\n");
    plan("spreadsheet.csv", '\x84', kFromFirstEmpty,
         "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;"
         "DtcsPolarity;RxDtcsCode;CrossMode;Mode;TStep;Skip;Power;Comment\r\n"
         "1;Relais Nord;438,650000;-;7,600000;Tone;88,5;88,5;23;NN;23;Tone->Tone;FM;12,5;;High;"
         "\"Dach; Nord\"\r\n"
         "2;Simplex;433,500000;;0,000000;TSQL;88,5;\"71,9\";023;NN;023;Tone->Tone;NFM;12,5;S;"
         "Low;\r\n"
         ";;;;;;;;;;;;;;;;\r\n");
    plan("quoted.csv", '\x06', '\x05',
         "Mode,Comment,Frequency,tone,rtonefreq,Location\n"
         "NFM,\"two\nlines, \"\"quoted\"\"\",435.125,Tone,88.5,\"A,1\"\n"
         "FM,\"never closed,435.150,,,\n");
    state.Grid1[2] = {"G1-02", "438.65000", "关闭", "431.05000", "88.5",
                      "低",    "关闭",      "窄带", "无"};
    state.Combo1 = state.BandIndex = 0;
    plan("export.csv", '\0', kAtLocation, qv::ExportChannelPlan(state).csv);
    plan("locations.csv", '\x80', kAtLocation,
         "Location,Frequency,Mode\n3,435.000,FM\n16,435.025,NFM\n3,435.050,FM\n0,435.075,FM\n"
         "x,435.100,FM\n48,435.125,FM\n");
    plan("utf16.csv", '\0', kFromFirstEmpty,
         std::string("\xFF\xFEL\0o\0c\0,\0F\0r\0e\0q\0\r\0\n\0", 22));
    return 0;
}
