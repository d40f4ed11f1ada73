#include "cli/usb_adapter_json.h"

namespace qv::cli {

void UsbAdapterJson(JsonWriter& json, const std::string& device) {
    // Nothing reads the system's USB devices yet: the sysfs reader of the serial devices fills
    // this in, from the device's entry under /sys/class/tty.
    (void)device;
    json.Null();
}

}  // namespace qv::cli
