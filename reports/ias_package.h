#pragma once

#include <string>

#include "project/message_record.h"
#include "project/written.h"

// The IAS package: the unstructured data of a run, sealed, so that a later
// run can take it up; written plain (".ias") and gzip-compressed (".zas").

// The text of the package before its seal line.
std::string IasPackageText(const MessageRecord& record);

// Writes "<input>.ias" and "<input>.zas", sealed with `sealKey`.
WrittenOutputs WriteIasPackage(const MessageRecord& record, const std::string& inputFile,
                               const std::string& sealKey);
