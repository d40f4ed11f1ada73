// A channel plan of 48 rows in every tone mode and duplex kind, as the other radio programming
// tools write them, for the benchmarks of imports.
#pragma once

#include <string>

#include "state/program_state.h"

namespace qv::bench {

// 48 rows in every tone mode and duplex kind, the way the other tools write them.
inline std::string PlanOf48Rows() {
    static const char* const kTones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone",       "Tone,88.5,88.5,023,NN,023,Tone->Tone",
        "TSQL,88.5,100.0,023,NN,023,Tone->Tone",  "DTCS,88.5,88.5,754,RN,023,Tone->Tone",
        "Cross,151.4,88.5,023,NR,032,Tone->DTCS", "Cross,88.5,186.2,246,RN,023,DTCS->Tone",
    };
    static const char* const kDuplex[] = {",0.000000", "+,5.000000", "-,7.600000",
                                          "split,401.012500"};
    std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 1; row <= qv::kChannelCount; ++row) {
        const int kilohertz = 440000 + 125 * row;
        csv += std::to_string(row) + ",Ch " + std::to_string(row) + "," +
               std::to_string(kilohertz / 1000) + "." +
               std::to_string(kilohertz % 1000 + 1000).substr(1) + "000," + kDuplex[row % 4] + "," +
               kTones[row % 6] + "," + (row % 2 ? "FM" : "NFM") + ",12.50," + (row % 5 ? "" : "S") +
               "," + (row % 3 ? "High" : "Low") + ",Roof antenna,,,,\r\n";
    }
    return csv;
}

}  // namespace qv::bench
