#include "app/write_safety_settings.h"

namespace lmk17 {

WriteSafety WriteSafetyFromSettings(const AppSettings& settings) {
    WriteSafety safety;
    safety.backup = true;
    safety.backupFolder = settings.backupDir;
    safety.keepBackups = settings.keepBackups;
    safety.askDifferences = settings.askBeforeWrite;
    safety.whenEqual = WriteSafety::WhenEqual::Ask;
    return safety;
}

}  // namespace lmk17
