// What the commands that talk to radios share: the one Qt application of the process, the --port
// spelling, why a port did not open, the backups folder, and a capture of a radio's memory.
#pragma once

#include <QCoreApplication>

#include <filesystem>
#include <functional>
#include <string>

#include "image/memory_image.h"
#include "link/qt/serial_port.h"
#include "state/program_state.h"

namespace qv::cli {

// Made on first use; transfers run in event loops of their own inside it.
QCoreApplication& Application();

// --port takes COM1..COM8, resolved as the program's port menu does, or a device path; the device
// is looked up once, for the whole command.
void UsePort(const std::string& device, SerialPort& port);

// Why the port did not open, as the program's window says it, after the system's own words.
std::string PortFailure(const SerialPort& port);

std::string BandName(int position);

// The desktop program's backups folder, found from the environment as the desktop finds it.
std::filesystem::path BackupsFolder();

// "qv7100-cli: note: <text>" on standard error.
void Note(const std::string& text);

// Reads the radio on `device` without decoding what it holds; the first 1520 bytes of its memory
// from the image's start. Throws CommandFailed when the read does not complete.
ImageBytes CaptureRadio(const std::string& device, int* radioBand = nullptr);

}  // namespace qv::cli
