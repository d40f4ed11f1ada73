// What the commands with --json print: Qt's JSON values for the texts and the USB adapter the
// commands share, and an array as the document printed.
#pragma once

#include <QJsonArray>
#include <QJsonValue>

#include <optional>
#include <string>

#include "link/core/serial_devices.h"

namespace qv::cli {

// A text, or null when it is empty (nothing known). Bytes that are not UTF-8 become U+FFFD, so
// that the output always parses.
QJsonValue JsonText(const std::string& text);
// A text, or null when there is none.
QJsonValue JsonText(const std::optional<std::string>& text);

// The USB adapter behind a serial device: null when the device is no USB adapter or nothing is
// known of it, otherwise an object with "vid" and "pid" (four lower-case hexadecimal digits each),
// "chip", "serial", "manufacturer", "product", "path" (where the adapter sits on the USB bus, such
// as 1-1.2) and "driver"; null for each that is unknown.
QJsonValue UsbAdapterJson(const std::optional<UsbAdapter>& usb);

// The array as printed: indented, a line break at the end.
std::string JsonDocumentText(const QJsonArray& array);

}  // namespace qv::cli
