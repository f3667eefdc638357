#include "documents/file_identity.h"

namespace kakipo {

Sameness compare(const FileIdentity& known, const FileIdentity& onDisk) {
  if (!onDisk.exists) return known.exists ? Sameness::gone : Sameness::same;
  if (!known.exists || known.size != onDisk.size || known.lastWrite != onDisk.lastWrite)
    return Sameness::changed;
  if (!known.hash) return Sameness::same;
  if (!onDisk.hash) return Sameness::needHash;
  return *known.hash == *onDisk.hash ? Sameness::same : Sameness::changed;
}

bool doubtRemains(const FileIdentity& identity, std::int64_t readAtTicks) {
  return identity.exists && readAtTicks - identity.lastWrite < timeResolutionMs * ticksPerMs;
}

}  // namespace kakipo
