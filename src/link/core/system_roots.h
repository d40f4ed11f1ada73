// Where the system shows its devices, processes, udev rules and installed programs. Every reader
// of the system takes these as a parameter; the defaults are the running system's own, and
// Under() moves them all below one folder that stands for "/" (a copy of another system's files).
#pragma once

#include <filesystem>
#include <vector>

namespace qv {

struct SystemRoots {
    std::filesystem::path sys = "/sys";    // sysfs: /sys/class/tty, the USB devices
    std::filesystem::path dev = "/dev";    // device nodes and /dev/serial/by-id, by-path
    std::filesystem::path proc = "/proc";  // processes and the files they hold open
    std::filesystem::path etc = "/etc";    // group and passwd
    // udev's rule folders, the one whose files override those of the same name first.
    std::vector<std::filesystem::path> ruleFolders = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                                      "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
    // Where programs are installed, and where systemd finds services (the masking one first).
    std::vector<std::filesystem::path> programFolders = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
    std::vector<std::filesystem::path> serviceFolders = {
        "/etc/systemd/system", "/run/systemd/system", "/usr/lib/systemd/system",
        "/lib/systemd/system"};

    // Every root above, below `root` instead of "/".
    static SystemRoots Under(const std::filesystem::path& root);
};

}  // namespace qv
