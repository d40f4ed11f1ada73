// simulate --shelf: a shelf of virtual radios on one pseudo-terminal, one after another, as a
// dealer plugs radios into a programming cable, so that the programming station can be tried
// without radios. Each radio has a memory of its own (its number in embedded line 1, a power
// calibration of its own), a band and, when asked, a fault.
#pragma once

#include <string>
#include <vector>

#include "image/memory_image.h"
#include "sim/radio_shelf.h"

namespace qv::cli {

struct ShelfChoices {
    int radios = 0;          // 0: no shelf, one radio there for good
    double present = -1;     // seconds a radio stays after its first answer; negative: the default
    double gap = 2;          // seconds the line is empty between two radios
    std::vector<int> bands;  // the radios' bands in turn (repeated); empty: --band's
    std::vector<std::string> faults;  // "K=MODE": radio K misbehaves as --fault MODE says
};

// What is wrong with "K=MODE" for a shelf; empty when it is fine.
std::string ShelfFaultProblem(const std::string& text);

// The shelf `choices` ask for: radio k (from 1) holds `image` with "SHELF RADIO k" as embedded
// line 1 and power levels of its own, and has its band and fault. Throws CommandFailed for a fault
// of a radio the shelf does not have.
RadioShelf MakeShelf(const ImageBytes& image, int band, const ShelfChoices& choices, bool paced);

// "A shelf of 5 virtual radios on /dev/pts/3 ...": what it is and how to use it.
std::string DescribeShelf(const ShelfChoices& choices, bool paced, const std::string& device);

// A line per radio: its band, fault, and what it saw.
std::string ShelfReport(const std::vector<ShelfRadioRecord>& radios);

}  // namespace qv::cli
