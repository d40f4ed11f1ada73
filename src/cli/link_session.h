// What the commands that talk to radios share: the one Qt application of the process, the --port
// spelling, why a port did not open or a transfer failed, the backups folder and what became of a
// backup, and the one loop that reads a radio.
#pragma once

#include <QCoreApplication>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/console_host.h"
#include "image/memory_image.h"
#include "link/core/link_host.h"
#include "link/core/system_roots.h"
#include "link/core/transfer_failure.h"
#include "link/qt/serial_port.h"
#include "rules/backups/backups.h"
#include "state/program_state.h"

namespace qv::cli {

// Made on first use; transfers run in event loops of their own inside it.
QCoreApplication& Application();

// --port takes COM1..COM8, resolved as the program's port menu does, a device path, or a name as
// /dev/serial/by-id or by-path lists it; the device is looked up once, for the whole command.
void UsePort(const std::string& device, SerialPort& port);

// What is wrong with `text` given to --port, for the parser to say; empty when it names a port (a
// device path, COM1..COM8 or a range of them upwards). An empty --port would quietly fall back to
// COM1's device; a COMn past the menu's ports and a range that runs backwards name no port at all.
std::string PortNameProblem(const std::string& text);

// The ports `named` by --port, each range ("COM1..COM4") in its ports, in order.
std::vector<std::string> ExpandPortRanges(const std::vector<std::string>& named);

// Why the port did not open, as the program's window says it, after the system's own words, then
// what the system shows that keeps it from working (PortDiagnosis).
std::string PortFailure(const SerialPort& port);

// "<what> failed: <the program's message>", then the device and what went wrong on a line of their
// own, and after a write that had sent data, that the radio should be written again.
std::string TransferFailed(const std::string& what, const TransferFailure& failure, bool write,
                           const SerialPort& port);

std::string BandName(int position);

// "qv7100-cli: note: <text>" on standard error.
void Note(const std::string& text);

// A backup that could not be saved, as a note: it stops nothing.
void NoteUnsaved(const SavedBackup& backup);

// How a read of a radio ended.
struct RadioRead {
    TransferOutcome outcome = TransferOutcome::CommunicationError;
    int band = 0;             // the band the radio identified itself with
    TransferFailure failure;  // why it ended with the communication error
    ImageBytes image{};       // what a complete read brought
};

enum class ReadUse {
    Decode,   // into the program state, as the desktop program's read does
    Capture,  // only kept: the state stays as it is (a comparison, a backup)
};

// Reads the radio on `port` to its end, a progress line headed `verb` on a terminal.
RadioRead ReadRadio(ProgramState& state, ConsoleHost& host, SerialPort& port, ReadUse use,
                    const std::string& verb);

// Reads the radio on `device` without decoding what it holds, and keeps it as a backup; the first
// 1520 bytes of its memory from the image's start. Throws CommandFailed when the read does not
// complete.
ImageBytes CaptureRadio(const std::string& device, int* radioBand = nullptr);

}  // namespace qv::cli
