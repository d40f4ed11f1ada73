// The USB adapter behind a serial device, as the JSON output of the commands that name ports
// gives it.
#pragma once

#include <string>

#include "cli/json_writer.h"

namespace qv::cli {

// Writes the USB adapter behind `device` as one JSON value: null when the device is no USB
// adapter or nothing is known of it, otherwise an object with "vid" and "pid" (four lower-case
// hexadecimal digits each), "chip" (the adapter's chip as the system names it) and "path" (where
// the adapter sits on the USB bus).
void UsbAdapterJson(JsonWriter& json, const std::string& device);

}  // namespace qv::cli
