#pragma once

#include <string>

#include "project/record.h"
#include "project/written.h"

// The documents of a run, each a function of the run's record. `path` is
// the file to write; `fingerprintKey` keys the fingerprint of the bytes of a
// document the lodgement message carries. A document libharu gave up on
// comes back not written, with nothing left at `path`; a file that cannot
// be written stops the run.

// The certificate of England and Wales or of Northern Ireland.
WrittenDocument WriteCertificate(const DocumentRecord& record, const std::string& path,
                                 const std::string& fingerprintKey);
// The Welsh-language certificate; needs the record's Welsh texts.
WrittenDocument WriteWelshCertificate(const DocumentRecord& record, const std::string& path,
                                      const std::string& fingerprintKey);
// The recommendations report of England and Wales or of Northern Ireland.
WrittenDocument WriteRecommendationsReport(const DocumentRecord& record, const std::string& path,
                                           const std::string& fingerprintKey);
// The assessor's short recommendations report: every candidate
// recommendation by service.
WrittenDocument WriteShortReport(const DocumentRecord& record, const std::string& path);
// The Scottish certificate, one page; needs the record's Scottish facts. Its
// fingerprint is not kept.
WrittenDocument WriteScottishCertificate(const DocumentRecord& record, const std::string& path);
// The Scottish recommendations report.
WrittenDocument WriteScottishRecommendationsReport(const DocumentRecord& record,
                                                   const std::string& path);

// The line that names the tool used, its parts joined by `link`.
std::string ToolLine(const ToolUsed& tool, const std::string& link);
