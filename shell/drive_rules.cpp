#include "shell/drive_rules.h"

namespace lumora {

bool IsChooserDrive(const DriveFacts& drive) {
  if (drive.removable) return false;
  if (drive.fileSystemType == "iso9660" || drive.fileSystemType == "udf") return false;
  if (drive.device.starts_with("/dev/sr") || drive.device.starts_with("/dev/cdrom")) return false;
  return !drive.device.empty();
}

}  // namespace lumora
