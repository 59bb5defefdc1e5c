#pragma once
// Which mounted file systems the file choosers offer as "drives".
#include <string_view>

namespace lumora {

/// What is known of one mounted file system.
struct DriveFacts {
  std::string_view device;          // "/dev/sda1", "/dev/sr0", ...
  std::string_view fileSystemType;  // "ext4", "iso9660", ...
  bool removable = false;           // the kernel marks its disk removable
};

/// Optical and removable drives are left out of the choosers, as are file systems without a device.
bool IsChooserDrive(const DriveFacts& drive);

}  // namespace lumora
